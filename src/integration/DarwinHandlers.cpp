#include "integration/DarwinHandlers.h"

#include "integration/TweakState.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

void presentCoverSheet() {
  objc::Class* managerClass = objc::getClass("SBCoverSheetPresentationManager");
  if (managerClass == nullptr) return;
  const ObjectRef manager = objc::send<sig::Getter>(*managerClass, "sharedInstance");
  constexpr const char* present = "setCoverSheetPresented:animated:withCompletion:";
  if (!manager || !objc::respondsToSelector(*manager, present)) return;
  objc::send<sig::SetCoverSheetPresented>(*manager, present, true, true, std::function<void()>{});
}

}  // namespace

// Building waits for the next presentation, so several changes cost one rebuild.
void lockScreenThemeChanged() { tweakState().lockScreen.lockScreenThemeNeedsRebuild = true; }

void homeScreenThemeChanged() { tweakState().homeScreen.homeScreenThemeNeedsRebuild = true; }

void openSettingsPane() {
  objc::Class* application = objc::getClass("SpringBoard");
  if (application == nullptr) return;
  const ObjectRef shared = objc::send<sig::Getter>(*application, "sharedApplication");
  objc::send<sig::OpenURL>(shared.get(), "openURL:", std::string("prefs:root=Vantile"));
}

void openNotificationCenter() { platform::foundation::MainQueue::shared().post(presentCoverSheet); }

void toggleFlashlight() {
  const ObjectRef& flashlight = tweakState().keptFlashlight;
  constexpr const char* setLevel = "setFlashlightLevel:withError:";
  if (!flashlight || !objc::respondsToSelector(*flashlight, "flashlightLevel") ||
      !objc::respondsToSelector(*flashlight, setLevel)) {
    return;
  }
  const float level = objc::send<sig::Level>(*flashlight, "flashlightLevel");
  objc::send<sig::SetFlashlightLevel>(*flashlight, setLevel, level > 0 ? 0.0f : 1.0f, nullptr);
}

}  // namespace vantile::integration
