#include "integration/TweakStartup.h"

#include <string>
#include <utility>

#include "controller/ControllerClass.h"
#include "integration/DarwinHandlers.h"
#include "integration/HookTable.h"
#include "integration/Replacements.h"
#include "integration/SettingsLoader.h"
#include "integration/TweakState.h"
#include "integration/links/AppDrawerLink.h"
#include "integration/links/ProviderLinks.h"
#include "integration/links/SpringBoardAnswers.h"
#include "integration/themes/TouchForwarding.h"
#include "integration/webwidgets/WebWidgetHost.h"
#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/Device.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
using platform::foundation::DarwinNotificationCenter;

constexpr const char* kSpringBoardIdentifier = "com.apple.springboard";

// The remote view controller class the web widget is shown through, made where UIKit's exists.
void createRemoteRootViewControllerClass() {
  objc::Class* remoteViewController = objc::getClass("_UIRemoteViewController");
  if (remoteViewController == nullptr) return;
  objc::Class* created = objc::allocateClassPair(remoteViewController, "KWVRemoteRootViewController");
  if (created == nullptr) return;
  objc::registerClassPair(*created);
  KeptImplementations& kept = tweakState().kept;
  objc::Class& meta = objc::metaclass(*created);
  objc::MSHookMessageEx<sig::Answer>(meta, "_shouldUseXPCObjects", hook_KWVRemoteRootViewController__shouldUseXPCObjects,
                                     &kept.KWVRemoteRootViewController__shouldUseXPCObjects);
  objc::addMethod<extra::RequestViewController>(
      meta, "requestViewControllerWithConnectionHandler:",
      hook_KWVRemoteRootViewController_requestViewControllerWithConnectionHandler_, "@@:@?");
  objc::MSHookMessageEx<sig::Getter>(meta, "exportedInterface", hook_KWVRemoteRootViewController_exportedInterface,
                                     &kept.KWVRemoteRootViewController_exportedInterface);
  objc::MSHookMessageEx<sig::Getter>(meta, "serviceViewControllerInterface",
                                     hook_KWVRemoteRootViewController_serviceViewControllerInterface,
                                     &kept.KWVRemoteRootViewController_serviceViewControllerInterface);
}

void observe(const char* event, void (*handler)()) {
  tweakState().observers.push_back(DarwinNotificationCenter::shared().addObserver(
      std::string("com.kestrune.vantile/") + event, [handler](const std::string&) { handler(); },
      DarwinNotificationCenter::Delivery::Coalesced));
}

void registerObservers() {
  observe("preferences.changed", loadPreferences);
  observe("lsChanged", lockScreenThemeChanged);
  observe("sbChanged", homeScreenThemeChanged);
  observe("openSettings", openSettingsPane);
  observe("openNC", openNotificationCenter);
  observe("movedThemeLS", loadLockScreenThemeOffset);
  observe("movedThemeSB", loadHomeScreenThemeOffset);
  observe("toggleFlashlight", toggleFlashlight);
}

}  // namespace

HookGroups groupsFor(const TweakSettings& settings) {
  return HookGroups{
      .theme = settings.enabled || settings.enabled_sb,
      .lockScreenHiding = settings.hidelsitems,
      .homeScreenHiding = settings.enablesbhideitems,
      .iconLayout = settings.anyIconLayoutSwitch(),
  };
}

void installTweak() {
  TweakState& state = tweakState();
  installWebWidgetHost(state.hooks);
  connectDataProviders();
  installRows(remoteViewRows());
  createRemoteRootViewControllerClass();
  installRows(splitViewRows());

  state.isSpringBoard = platform::foundation::Bundle::main().bundleIdentifier() == kSpringBoardIdentifier;

  loadPreferences();
  loadLockScreenThemeOffset();
  loadHomeScreenThemeOffset();
  // The settings bundle draws the applied themes through it when moving them.
  controller_class::registerControllerClass();

  if (!state.isSpringBoard) return;
  answerControllerFromSpringBoard();
  connectAppDrawer();
  forwardTouchesToController();
  // Chosen once: a change of these switches takes effect at the next SpringBoard start.
  const HookGroups groups = groupsFor(state.settings);
  if (groups.theme) installRows(themeGroupRows());
  if (groups.lockScreenHiding) installRows(lockScreenHidingRows());
  if (groups.homeScreenHiding) installRows(homeScreenHidingRows());
  if (groups.iconLayout) installRows(iconLayoutRows());
  registerObservers();
}

void readSystemVersion() {
  tweakState().systemVersion = platform::foundation::floatValue(platform::ui::Device::currentDevice().systemVersion());
}

}  // namespace vantile::integration
