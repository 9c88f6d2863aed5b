#include <filesystem>

#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

constexpr double kHomeScreenTapInterval = 0.8;
// Present when the tweak that plays a video wallpaper inside the icon content view is installed.
constexpr const char* kVideoWallpaperTweak = "/var/jb/Library/MobileSubstrate/DynamicLibraries/Eneko.dylib";

std::shared_ptr<View> buildHomeScreenTheme() {
  const TweakState& state = tweakState();
  std::shared_ptr<View> theme = state.links.createViewFromTheme(state.settings.homeScreenThemePath, kHomeScreen);
  if (theme) {
    theme->setTag(kHomeScreenThemeTag);
    Rect frame = theme->frame();
    frame.origin.x += state.settings.sbthemexaxis;
    frame.origin.y += state.settings.sbthemeyaxis;
    theme->setFrame(frame);
  }
  return theme;
}

void relayoutIcons() {
  objc::Class* iconController = objc::getClass("SBIconController");
  if (iconController == nullptr) return;
  const ObjectRef controller = objc::send<sig::Getter>(*iconController, "sharedInstance");
  const ObjectRef rootFolderController = objc::send<sig::Getter>(controller.get(), "_rootFolderController");
  const ObjectRef rootFolderView = objc::send<sig::Getter>(rootFolderController.get(), "rootFolderView");
  if (!rootFolderView) return;
  if (auto* view = dynamic_cast<View*>(rootFolderView.get())) {
    view->setNeedsLayout();
  } else {
    objc::send<sig::Action>(*rootFolderView, "setNeedsLayout");
  }
  objc::send<sig::Action>(*rootFolderView, "updateIconListViews");
}

}  // namespace

std::shared_ptr<View> hook_SBHomeScreenView_initWithFrame_(Self& self, Rect frame) {
  TweakState& state = tweakState();
  HomeScreenState& home = state.homeScreen;
  // A view being made holds no theme yet.
  if (home.homeScreenThemeNeedsRebuild || home.homeScreenOffsetChanged) {
    home.homeScreenThemeNeedsRebuild = false;
    home.homeScreenOffsetChanged = false;
    home.homeScreenThemeAttached = false;
  }
  if (home.homeScreenThemeAttached || !state.settings.enabled_sb) {
    return state.kept.SBHomeScreenView_initWithFrame_(self, frame);
  }
  std::shared_ptr<View> homeScreenView = state.kept.SBHomeScreenView_initWithFrame_(self, frame);
  home.homeScreenView = homeScreenView;
  home.homeScreenThemeView = buildHomeScreenTheme();
  if (home.homeScreenThemeView && homeScreenView) {
    homeScreenView->addSubview(home.homeScreenThemeView);
    homeScreenView->bringSubviewToFront(*home.homeScreenThemeView);
    home.homeScreenThemeIndex = homeScreenView->subviews().size() - 1;
    home.homeScreenThemeAttached = true;
  }
  return homeScreenView;
}

bool hook_SpringBoard_isShowingHomescreen(Self& self) {
  TweakState& state = tweakState();
  HomeScreenState& home = state.homeScreen;
  const bool showing = state.kept.SpringBoard_isShowingHomescreen(self);
  if (showing) {
    if (home.homeScreenThemeNeedsRebuild || home.homeScreenOffsetChanged) {
      if (home.homeScreenThemeView) home.homeScreenThemeView->removeFromSuperview();
      home.homeScreenThemeNeedsRebuild = false;
      home.homeScreenOffsetChanged = false;
      home.homeScreenThemeView = buildHomeScreenTheme();
      // Attached only once it is in a view, so a home-screen view made later still gets it.
      home.homeScreenThemeAttached = home.homeScreenThemeView && home.homeScreenView;
      if (home.homeScreenThemeAttached) {
        home.homeScreenView->insertSubview(home.homeScreenThemeView, home.homeScreenThemeIndex);
      }
    }
    state.links.timeUpdated(kHomeScreen);
  }
  if (home.iconsNeedRelayout) {
    home.iconsNeedRelayout = false;
    if (state.settings.anyIconLayoutSwitch() && !state.settings.hideicons) relayoutIcons();
  }
  return showing;
}

void hook_SBHomeScreenView_didMoveToWindow(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBHomeScreenView_didMoveToWindow(self);
  if (state.settings.enabled_sb) state.links.timeUpdated(kHomeScreen);
}

std::shared_ptr<View> hook_SBIconListView_hitTest_withEvent_(Self& self, Point point, const Event* event) {
  TweakState& state = tweakState();
  std::shared_ptr<View> hit = state.kept.SBIconListView_hitTest_withEvent_(self, point, event);
  const TweakSettings& settings = state.settings;
  if (!settings.enablesbtouch || settings.hideicons || !hit || event == nullptr) return hit;
  // Only the page itself counts, not an icon on it.
  const bool onEmptyPage = objc::isKindOfClass(dynamic_cast<const objc::Object*>(hit.get()), "SBIconListView");
  HomeScreenState& home = state.homeScreen;
  if (onEmptyPage && event->timestamp > home.sbLastTapTime + kHomeScreenTapInterval) {
    home.sbLastTapTime = event->timestamp;
    if (state.hooks.checkSBTouch) state.hooks.checkSBTouch(point, event, Point{settings.sbthemexaxis, settings.sbthemeyaxis}, hit);
  }
  return hit;
}

void hook_SBIconContentView_didMoveToWindow(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBIconContentView_didMoveToWindow(self);
  std::error_code ignored;
  if (!std::filesystem::exists(platform::foundation::devicePath(kVideoWallpaperTweak), ignored)) return;
  const std::shared_ptr<View> contentView = viewOf(self);
  if (!contentView || !state.homeScreen.homeScreenView) return;
  for (const auto& layer : std::vector(contentView->layer()->sublayers())) {
    if (objc::isKindOfClass(dynamic_cast<const objc::Object*>(layer.get()), "AVPlayerLayer")) {
      layer->removeFromSuperlayer();
      state.homeScreen.homeScreenView->layer()->insertSublayer(layer, 0);
      return;
    }
  }
}

void hook_SBHomeScreenViewController_viewDidLoad(Self& self) { tweakState().kept.SBHomeScreenViewController_viewDidLoad(self); }

}  // namespace vantile::integration
