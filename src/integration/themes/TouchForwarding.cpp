#include "integration/themes/TouchForwarding.h"

#include "controller/VantileController.h"
#include "controller/actions/TouchRouting.h"
#include "integration/TweakState.h"

namespace vantile::integration {

void forwardTouchesToController() {
  IntegrationHooks& hooks = tweakState().hooks;
  hooks.checkLSTouch = [](platform::graphics::Point point, const platform::ui::Event*, platform::graphics::Point offset,
                          const std::shared_ptr<platform::ui::View>&) {
    TouchRouting(*VantileController::sharedInstance()).checkLSTouch(point, offset);
  };
  hooks.checkSBTouch = [](platform::graphics::Point point, const platform::ui::Event*, platform::graphics::Point offset,
                          const std::shared_ptr<platform::ui::View>&) {
    TouchRouting(*VantileController::sharedInstance()).checkSBTouch(point, offset);
  };
}

}  // namespace vantile::integration
