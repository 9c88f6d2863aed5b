#include "controller/VantileController.h"
#include "controller/actions/HomeScreenGestures.h"
#include "controller/actions/TouchRouting.h"
#include "controller/animation/AnimationRunner.h"
#include "platform/ui/views/View.h"

namespace vantile {

void VantileController::installActionsAndAnimations() {
  hooks.handleAnimation = [weak = weak_from_this()](const std::shared_ptr<platform::ui::View>& view) {
    if (auto self = weak.lock()) AnimationRunner(*self).handleAnimation(view);
  };
  hooks.addGestures = [weak = weak_from_this()] {
    if (auto self = weak.lock()) HomeScreenGestures(*self).addGestures();
  };
  hooks.swipeHappened = [weak = weak_from_this()] {
    if (auto self = weak.lock()) HomeScreenGestures(*self).swipeHappened();
  };
}

void VantileController::handleAnimation(platform::ui::GestureRecognizer& recognizer) {
  AnimationRunner(*this).handleAnimation(recognizer);
}

void VantileController::launchApp(platform::ui::GestureRecognizer& recognizer) { TouchRouting::launchApp(recognizer); }

void VantileController::changeApp(platform::ui::GestureRecognizer& recognizer) {
  TouchRouting(*this).changeApp(recognizer);
}

void VantileController::enableActionsForView(const std::shared_ptr<platform::ui::View>& view,
                                             const std::string& actions) {
  TouchRouting(*this).enableActionsForView(view, actions);
}

}  // namespace vantile
