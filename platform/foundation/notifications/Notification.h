#pragma once

#include <string>

#include "platform/foundation/values/Value.h"

namespace platform::foundation {

// A notification as its observers receive it: a name and a user-info dictionary (null for none).
struct Notification {
  std::string name;
  platform::Value userInfo;
};

}  // namespace platform::foundation
