#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::objc {
class Object;
}

namespace vantile::settings {

// The messages the restart sends, as the system's classes answer them.
namespace respring_signatures {
using ObjectPointer = std::shared_ptr<platform::objc::Object>;
// SBSRelaunchAction's class operation actionWithReason:options:targetURL:.
using MakeAction = ObjectPointer(std::string reason, std::int64_t options, std::optional<std::string> targetURL);
// FBSSystemService's class operation sharedService.
using SharedService = ObjectPointer();
// sendActions:withResult: (no result handler is given).
using SendActions = void(std::vector<ObjectPointer> actions,
                         std::function<void(std::optional<std::string> error)> result);
}  // namespace respring_signatures

// Restarts SpringBoard's render server through SBSRelaunchAction and FBSSystemService, found
// by name at run time; where either class is missing nothing happens.
void respring();

}  // namespace vantile::settings
