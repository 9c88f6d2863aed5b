#pragma once

#include <memory>

#include "platform/objc/Object.h"

namespace platform::objc {

// The base of objects that are not views: shared, so an operation can hand out itself.
class SharedObject : public Object, public std::enable_shared_from_this<SharedObject> {
 public:
  using Object::Object;
};

}  // namespace platform::objc
