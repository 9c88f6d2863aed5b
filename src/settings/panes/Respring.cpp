#include "settings/panes/Respring.h"

#include "platform/objc/Class.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"

namespace vantile::settings {

namespace objc = platform::objc;
namespace sig = respring_signatures;

void respring() {
  objc::Class* actionClass = objc::getClass("SBSRelaunchAction");
  objc::Class* serviceClass = objc::getClass("FBSSystemService");
  if (actionClass == nullptr || serviceClass == nullptr) return;
  auto action = objc::send<sig::MakeAction>(*actionClass, "actionWithReason:options:targetURL:",
                                            std::string("RestartRenderServer"), std::int64_t{4},
                                            std::optional<std::string>());
  const auto service = objc::send<sig::SharedService>(*serviceClass, "sharedService");
  if (!action || !service) return;
  objc::send<sig::SendActions>(*service, "sendActions:withResult:", std::vector<sig::ObjectPointer>{std::move(action)},
                               std::function<void(std::optional<std::string>)>());
}

}  // namespace vantile::settings
