#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

bool askShared(const char* className, const char* question) {
  objc::Class* cls = objc::getClass(className);
  if (cls == nullptr) return false;
  const ObjectRef shared = objc::send<sig::Getter>(*cls, "sharedInstance");
  return objc::send<sig::Answer>(shared.get(), question);
}

void setBarShown(const std::shared_ptr<View>& bar, bool shown) {
  if (!bar) return;
  auto* object = dynamic_cast<objc::Object*>(bar.get());
  const std::shared_ptr<View> container = asView(objc::send<sig::Getter>(object, "containerView"));
  if (!container) return;
  container->setAlpha(shown ? 1 : 0);
  container->setHidden(!shown);
}

}  // namespace

void hook__UIStatusBar_layoutSubviews(Self& self) {
  TweakState& state = tweakState();
  const TweakSettings& settings = state.settings;
  if (settings.hidelockscreenstatusbar || settings.hidehomescreenstatusbar) {
    StatusBarState& bars = state.statusBars;
    if (!bars.initialStatusBar) {
      bars.initialStatusBar = viewOf(self);
    } else {
      bars.occludedStatusBar = viewOf(self);
    }
    hideStatusBar();
  }
  state.kept._UIStatusBar_layoutSubviews(self);
}

void hideStatusBar() {
  TweakState& state = tweakState();
  const StatusBarState& bars = state.statusBars;
  if (!bars.initialStatusBar) return;
  const bool lockScreen = state.settings.hidelockscreenstatusbar;
  const bool homeScreen = state.settings.hidehomescreenstatusbar;
  if (!lockScreen && !homeScreen) return;
  const bool locked = askShared("SBLockScreenManager", "isUILocked");
  const bool occluded = askShared("SBIconController", "areHomeScreenIconsOccluded");
  if (lockScreen) {
    if (locked) {
      setBarShown(bars.initialStatusBar, false);
      setBarShown(bars.occludedStatusBar, false);
    } else if (!homeScreen) {
      setBarShown(bars.initialStatusBar, true);
      if (occluded) setBarShown(bars.occludedStatusBar, true);
    } else {
      setBarShown(bars.initialStatusBar, false);
      setBarShown(bars.occludedStatusBar, false);
      if (occluded) setBarShown(bars.occludedStatusBar, true);
    }
    return;
  }
  setBarShown(bars.initialStatusBar, locked);
}

}  // namespace vantile::integration
