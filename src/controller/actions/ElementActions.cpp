#include "controller/actions/ElementActions.h"

#include "controller/VantileController.h"
#include "controller/actions/SpringBoardObjects.h"
#include "controller/animation/AnimationRunner.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/ActionSignatures.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/ui/feedback/AlertSounds.h"
#include "platform/ui/feedback/ImpactFeedbackGenerator.h"
#include "platform/ui/views/Device.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace objc = platform::objc;
namespace sig = platform::springboard::signatures;
using platform::objc::Object;

namespace {

constexpr std::int64_t kEventSource = 1;
constexpr std::int64_t kSpotlightSource = 1;
constexpr std::int64_t kUnlockSource = 17;
constexpr std::int64_t kUnlockIntent = 3;
constexpr int kHeavyImpact = 3;

double systemVersion() { return platform::foundation::doubleValue(platform::ui::Device::currentDevice().systemVersion()); }

}  // namespace

void ElementActions::handleAction(std::string_view action, bool isLSTap, bool runAnimation,
                                  const std::shared_ptr<platform::ui::View>& view) {
  if (action == "playMusic") playMusic();
  if (action == "openPlayingMusic") openMusicApp();
  if (action == "unlockDevice") unlockDevice();
  if (action == "nextTrack") nextTrack();
  if (action == "prevTrack") prevTrack();
  if (action == "animation" && runAnimation) {
    controller_.isLSTap = isLSTap;
    AnimationRunner(controller_).handleAnimation(view);
  }
  if (action == "toggleFlashlight") toggleFlashlight();
  if (action == "vibrate") doVibrate();
}

void ElementActions::openDrawer() {
  const auto& drawer = controller_.hooks.drawer;
  const auto& root = controller_.vantileViewSB;
  if (!root || !drawer.initAppDrawerWithFrame) return;
  auto view = drawer.initAppDrawerWithFrame(root->bounds());
  if (!view) return;
  controller_.appDrawer = view;
  root->addSubview(view);
  if (drawer.setCompletionBlock) {
    drawer.setCompletionBlock(*view, [](const std::string& bundleID) { launchApplication(bundleID); });
  }
}

void ElementActions::openSpotlight() {
  const auto controller = SpringBoardObjects::iconController();
  if (!SpringBoardObjects::answers(controller, "iconManager")) return;
  const auto manager = objc::send<sig::Getter>(*controller, "iconManager");
  constexpr const char* present = "presentSpotlightFromSource:animated:completionHandler:";
  if (SpringBoardObjects::answers(manager, present)) {
    objc::send<sig::PresentSpotlight>(*manager, present, kSpotlightSource, true, std::function<void()>{});
  } else if (SpringBoardObjects::answers(manager, "searchGesture")) {
    const auto gesture = objc::send<sig::Getter>(*manager, "searchGesture");
    if (SpringBoardObjects::answers(gesture, "revealAnimated:")) objc::send<sig::Flag>(*gesture, "revealAnimated:", true);
  }
}

void ElementActions::unlockDevice() {
  const auto manager = SpringBoardObjects::lockScreenManager();
  if (SpringBoardObjects::answers(manager, "attemptUnlockWithPasscode:")) {
    objc::send<sig::AttemptUnlock>(*manager, "attemptUnlockWithPasscode:", std::string());
  } else if (SpringBoardObjects::answers(manager, "_attemptUnlockWithPasscode:finishUIUnlock:")) {
    objc::send<sig::AttemptUnlockFinishing>(*manager, "_attemptUnlockWithPasscode:finishUIUnlock:", std::string(), true);
  }
}

void ElementActions::openTodayView() {
  if (systemVersion() < 10.0) return;
  const auto controller = SpringBoardObjects::iconController();
  if (SpringBoardObjects::answers(controller, "scrollToIconListAtIndex:animate:")) {
    objc::send<sig::ScrollToIconList>(*controller, "scrollToIconListAtIndex:animate:", std::int64_t{-1}, true);
  } else if (SpringBoardObjects::answers(controller, "activateTodayViewWithCompletion:")) {
    if (systemVersion() >= 14.0) {
      objc::send<sig::ObjectAction>(*controller, "presentTodayOverlayForIconManager:", sig::Object());
    } else {
      objc::send<sig::WithCompletion>(*controller, "activateTodayViewWithCompletion:", std::function<void()>{});
    }
  }
}

void ElementActions::openAppLibrary() {
  const auto controller = SpringBoardObjects::iconController();
  if (SpringBoardObjects::answers(controller, "presentLibraryAnimated:completion:")) {
    objc::send<sig::AnimatedWithCompletion>(*controller, "presentLibraryAnimated:completion:", true,
                                            std::function<void()>{});
  } else if (SpringBoardObjects::answers(controller, "presentLibraryFromOverlayControllerAnimated:completion:")) {
    objc::send<sig::AnimatedWithCompletion>(*controller, "presentLibraryFromOverlayControllerAnimated:completion:",
                                            true, std::function<void()>{});
  } else if (SpringBoardObjects::answers(controller, "presentLibraryOverlayForIconManager:")) {
    objc::send<sig::ObjectAction>(*controller, "presentLibraryOverlayForIconManager:", sig::Object());
  }
}

void ElementActions::toggleFlashlight() {
  platform::foundation::DarwinNotificationCenter::shared().post(kToggleFlashlightNotification);
}

void ElementActions::doVibrate() {
  if (platform::ui::Device::currentDevice().feedbackSupportLevel() > 1) {
    platform::ui::ImpactFeedbackGenerator generator(kHeavyImpact);
    generator.prepare();
    generator.impactOccurred();
  } else {
    platform::ui::AudioServicesPlayAlertSound(kAlertSound);
  }
}

void ElementActions::openMusicApp() {
  const auto media = SpringBoardObjects::mediaController();
  if (!media) return;
  const auto application = SpringBoardObjects::answers(media, "nowPlayingApplication")
                               ? objc::send<sig::Getter>(*media, "nowPlayingApplication")
                               : nullptr;
  const bool playing = SpringBoardObjects::answers(media, "isPlaying") && objc::send<sig::Answer>(*media, "isPlaying");
  if (playing) {
    if (!SpringBoardObjects::answers(application, "bundleIdentifier")) return;
    controller_.lastNowPlayingApp = objc::send<sig::Text>(*application, "bundleIdentifier");
    if (!controller_.lastNowPlayingApp.empty()) launchAppFromLS(controller_.lastNowPlayingApp);
  } else if (!controller_.lastNowPlayingApp.empty()) {
    launchAppFromLS(controller_.lastNowPlayingApp);
  }
}

void ElementActions::playMusic() {
  const auto media = SpringBoardObjects::mediaController();
  if (SpringBoardObjects::answers(media, "togglePlayPause")) {
    objc::send<sig::Answer>(*media, "togglePlayPause");
  } else if (SpringBoardObjects::answers(media, "togglePlayPauseForEventSource:")) {
    objc::send<sig::ToggleForSource>(*media, "togglePlayPauseForEventSource:", kEventSource);
  }
}

void ElementActions::nextTrack() { changeTrack(1); }

void ElementActions::prevTrack() { changeTrack(-1); }

void ElementActions::changeTrack(std::int32_t delta) {
  const auto media = SpringBoardObjects::mediaController();
  if (SpringBoardObjects::answers(media, "changeTrack:")) {
    objc::send<sig::ChangeTrack>(*media, "changeTrack:", delta);
  } else if (SpringBoardObjects::answers(media, "changeTrack:eventSource:")) {
    objc::send<sig::ChangeTrackForSource>(*media, "changeTrack:eventSource:", delta, kEventSource);
  }
}

void ElementActions::launchAppFromLS(const std::string& bundleID) {
  const auto manager = SpringBoardObjects::lockScreenManager();
  if (SpringBoardObjects::answers(manager, "unlockWithRequest:completion:") &&
      SpringBoardObjects::answers(manager, "isUILocked") && objc::send<sig::Answer>(*manager, "isUILocked")) {
    objc::Class* requestClass = objc::getClass("SBLockScreenUnlockRequest");
    if (requestClass == nullptr || !objc::respondsToSelector(*requestClass, "new")) return;
    const auto request = objc::send<sig::Getter>(*requestClass, "new");
    if (!request) return;
    objc::send<sig::SetText>(*request, "setName:", std::string("Vantile"));
    objc::send<sig::SetInteger>(*request, "setSource:", kUnlockSource);
    objc::send<sig::SetInteger>(*request, "setIntent:", kUnlockIntent);
    objc::send<sig::UnlockRequest>(*manager, "unlockWithRequest:completion:", request,
                                   std::function<void(bool)>([bundleID](bool unlocked) {
                                     if (unlocked) launchApplication(bundleID);
                                   }));
    return;
  }
  launchApplication(bundleID);
}

void ElementActions::launchApplication(const std::string& bundleID) {
  const auto application = SpringBoardObjects::application();
  constexpr const char* launch = "launchApplicationWithIdentifier:suspended:";
  if (SpringBoardObjects::answers(application, launch)) objc::send<sig::LaunchApplication>(*application, launch, bundleID, false);
}

void ElementActions::openApplication(const std::string& bundleID) {
  const auto service = SpringBoardObjects::systemService();
  constexpr const char* open = "openApplication:options:withResult:";
  if (!SpringBoardObjects::answers(service, open)) return;
  objc::send<sig::OpenApplication>(*service, open, bundleID, platform::Value(),
                                   std::function<void(std::optional<std::string>)>{});
}

}  // namespace vantile
