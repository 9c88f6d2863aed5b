#pragma once

#include <string_view>

namespace platform::foundation {

// The system log: one line on standard error.
void systemLog(std::string_view message);

}  // namespace platform::foundation
