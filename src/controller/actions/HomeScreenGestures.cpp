#include "controller/actions/HomeScreenGestures.h"

#include "controller/VantileController.h"
#include "controller/actions/ElementActions.h"
#include "controller/actions/SpringBoardObjects.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/gestures/SwipeGestureRecognizer.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;
using platform::ui::SwipeDirection;
using platform::ui::View;

void HomeScreenGestures::addGestures() {
  const auto& root = controller_.vantileViewSB;
  if (!root) return;
  using Handler = void (HomeScreenGestures::*)();
  constexpr std::pair<SwipeDirection, Handler> kSwipes[] = {
      {SwipeDirection::down, &HomeScreenGestures::swipedDown},
      {SwipeDirection::up, &HomeScreenGestures::swipedUp},
      {SwipeDirection::right, &HomeScreenGestures::swipedRight},
      {SwipeDirection::left, &HomeScreenGestures::swipedLeft},
  };
  for (const auto& [direction, handler] : kSwipes) {
    root->addGestureRecognizer(platform::ui::SwipeGestureRecognizer::make(
        direction, [weak = controller_.weak_from_this(), handler = handler](platform::ui::GestureRecognizer&) {
          if (auto controller = weak.lock()) (HomeScreenGestures(*controller).*handler)();
        }));
  }
}

bool HomeScreenGestures::drawerOpen() const {
  const auto& drawer = controller_.appDrawer;
  const auto& isOpen = controller_.hooks.drawer.isDrawerOpen;
  return drawer && isOpen && isOpen(*drawer);
}

void HomeScreenGestures::swipedDown() {
  if (!controller_.disableSwipeDown && !drawerOpen()) ElementActions(controller_).openSpotlight();
}

void HomeScreenGestures::swipedUp() {
  if (!controller_.disableSwipeUp && !drawerOpen()) ElementActions(controller_).openDrawer();
}

void HomeScreenGestures::swipedRight() {
  if (!controller_.disableSwipeRight && !drawerOpen()) ElementActions(controller_).openTodayView();
}

void HomeScreenGestures::swipedLeft() {
  if (controller_.disableSwipeLeft || drawerOpen()) return;
  if (todayShowing()) {
    hideTodayView();
  } else {
    ElementActions(controller_).openAppLibrary();
  }
}

bool HomeScreenGestures::todayShowing() {
  const auto controller = SpringBoardObjects::iconController();
  if (SpringBoardObjects::answers(controller, "isTodayOverlayPresented")) {
    return objc::send<sig::Answer>(*controller, "isTodayOverlayPresented");
  }
  if (SpringBoardObjects::answers(controller, "isTodayOverlaySpotlightVisible")) {
    return objc::send<sig::Answer>(*controller, "isTodayOverlaySpotlightVisible");
  }
  return false;
}

void HomeScreenGestures::hideTodayView() {
  const auto controller = SpringBoardObjects::iconController();
  if (SpringBoardObjects::answers(controller, "dismissTodayOverlayAnimated:")) {
    objc::send<sig::Flag>(*controller, "dismissTodayOverlayAnimated:", true);
  } else if (SpringBoardObjects::answers(controller, "dismissTodayOverlayAnimated:completion:")) {
    objc::send<sig::AnimatedWithCompletion>(*controller, "dismissTodayOverlayAnimated:completion:", true,
                                            std::function<void()>{});
  }
}

void HomeScreenGestures::swipeHappened() {
  const auto drawer = controller_.appDrawer;
  if (!drawer) return;
  auto& queue = platform::foundation::MainQueue::shared();
  const double deadline = queue.now() + kDrawerRemovalDelay;
  platform::ui::ViewAnimationOptions linear;
  linear.curve = platform::ui::ViewAnimationOptions::Curve::linear;
  // An interrupted fade still removes the drawer: an invisible open drawer would block every swipe.
  View::animate(
      kDrawerFadeDuration, 0, linear, [drawer] { drawer->setAlpha(0); },
      [weak = controller_.weak_from_this(), drawer, deadline](bool) {
        auto& mainQueue = platform::foundation::MainQueue::shared();
        mainQueue.postAfter(std::max(0.0, deadline - mainQueue.now()), [weak, drawer] {
          drawer->removeFromSuperview();
          const auto controller = weak.lock();
          if (controller && controller->hooks.drawer.setDrawerOpen) controller->hooks.drawer.setDrawerOpen(*drawer, false);
        });
      });
}

}  // namespace vantile
