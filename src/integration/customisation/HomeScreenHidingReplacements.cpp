#include <cmath>

#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/objc/Messaging.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

constexpr const char* kSwipeGesture = "com.kestrune.vantile.swipegesture";
constexpr const char* kRootLocation = "SBIconLocationRoot";
constexpr const char* kDockLocation = "SBIconLocationDock";
constexpr double kHiddenDockHeight = -10;
constexpr double kDockIconY = 50;

const TweakSettings& settings() { return tweakState().settings; }
KeptImplementations& kept() { return tweakState().kept; }

bool iconsOrDockHidden() { return settings().hideicons || settings().hidedock; }
bool pageDotsHidden() { return settings().hideicons || settings().hidedots; }

void postSwipeGesture() { platform::foundation::DarwinNotificationCenter::shared().post(kSwipeGesture); }

void setIconTouches(bool on) {
  const auto& iconC = tweakState().homeScreen.iconC;
  if (settings().hideicons && iconC) iconC->setUserInteractionEnabled(on);
}

std::string locationOf(Self& icon) {
  return objc::respondsToSelector(icon, "location") ? objc::send<sig::Text>(icon, "location") : std::string();
}

bool onPageOrDock(const std::string& location) { return location == kRootLocation || location == kDockLocation; }

void hideAndFade(View& view) {
  view.setHidden(true);
  view.setAlpha(0);
}

// Copies a given record, or hands on the one saved when SpringBoard gives none.
const sig::PageMetrics* remembered(const sig::PageMetrics* given, sig::PageMetrics& saved) {
  if (given == nullptr) return &saved;
  saved = *given;
  return given;
}

}  // namespace

void hook_SBIconView_layoutSubviews(Self& self) {
  if (settings().hideicons && onPageOrDock(locationOf(self))) {
    if (auto view = viewOf(self)) hideAndFade(*view);
  }
  kept().SBIconView_layoutSubviews(self);
}

void hook_SBIconView_setLabelHidden_(Self& self, bool hidden) {
  kept().SBIconView_setLabelHidden_(self, settings().hidelabels || hidden);
}

bool hook_SBIconController_handleHomeButtonTap(Self& self) {
  postSwipeGesture();
  return kept().SBIconController_handleHomeButtonTap(self);
}

void hook_SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_(
    Self& self, ObjectRef tongue, double distance, double velocity, ObjectRef gesture) {
  postSwipeGesture();
  kept().SBFluidSwitcherGestureManager_grabberTongueBeganPulling_withDistance_andVelocity_andGesture_(
      self, std::move(tongue), distance, velocity, std::move(gesture));
}

void hook_SBIconController_presentLibraryOverlayForIconManager_(Self& self, ObjectRef iconManager) {
  kept().SBIconController_presentLibraryOverlayForIconManager_(self, std::move(iconManager));
  setIconTouches(true);
}

void hook_SBIconController_presentLibraryAnimated_completion_(Self& self, bool animated,
                                                              std::function<void()> completion) {
  setIconTouches(true);
  kept().SBIconController_presentLibraryAnimated_completion_(self, animated, std::move(completion));
}

void hook_SBIconController_presentLibraryFromOverlayControllerAnimated_completion_(Self& self, bool animated,
                                                                                   std::function<void()> completion) {
  setIconTouches(true);
  kept().SBIconController_presentLibraryFromOverlayControllerAnimated_completion_(self, animated,
                                                                                  std::move(completion));
}

void hook_SBIconController_presentTodayOverlayForIconManager_(Self& self, ObjectRef iconManager) {
  setIconTouches(true);
  kept().SBIconController_presentTodayOverlayForIconManager_(self, std::move(iconManager));
}

void hook_SBIconController_activateTodayViewWithCompletion_(Self& self, std::function<void()> completion) {
  setIconTouches(true);
  kept().SBIconController_activateTodayViewWithCompletion_(self, std::move(completion));
}

void hook_SBTodayViewController_viewDidAppear_(Self& self, bool animated) {
  if (animated) setIconTouches(true);
  kept().SBTodayViewController_viewDidAppear_(self, animated);
}

void hook_SBTodayViewController_viewDidDisappear_(Self& self, bool animated) {
  if (animated) setIconTouches(false);
  kept().SBTodayViewController_viewDidDisappear_(self, animated);
}

void hook_SBHomeScreenTodayViewController_viewDidAppear_(Self& self, bool animated) {
  if (animated) setIconTouches(true);
  kept().SBHomeScreenTodayViewController_viewDidAppear_(self, animated);
}

void hook_SBHomeScreenTodayViewController_viewDidDisappear_(Self& self, bool animated) {
  if (animated) setIconTouches(false);
  kept().SBHomeScreenTodayViewController_viewDidDisappear_(self, animated);
}

void hook_SBHLibraryViewController_viewDidAppear_(Self& self, bool animated) {
  if (animated) setIconTouches(true);
  kept().SBHLibraryViewController_viewDidAppear_(self, animated);
}

void hook_SBHLibraryViewController_viewDidDisappear_(Self& self, bool animated) {
  if (animated) setIconTouches(false);
  kept().SBHLibraryViewController_viewDidDisappear_(self, animated);
}

void hook_SBIconContentView_didMoveToWindow_2(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBIconContentView_didMoveToWindow_2(self);
  if (!state.settings.hideicons) return;
  state.homeScreen.iconC = viewOf(self);
  if (state.homeScreen.iconC) state.homeScreen.iconC->setUserInteractionEnabled(false);
}

void hook_SBFStatusBarLegibilityView_didMoveToWindow(Self& self) {
  kept().SBFStatusBarLegibilityView_didMoveToWindow(self);
  if (!settings().hideicons) return;
  if (auto view = viewOf(self)) view->setUserInteractionEnabled(false);
}

void hook_SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double amount) {
  if (settings().hidetoday) return;
  kept().SBIconController_iconManager_rootFolderController_didOverscrollOnFirstPageByAmount_(
      self, std::move(iconManager), std::move(rootFolderController), amount);
}

void hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double velocity, double translation) {
  if (settings().hidetoday) return;
  kept().SBIconController_iconManager_rootFolderController_didEndOverscrollOnFirstPageWithVelocity_translation_(
      self, std::move(iconManager), std::move(rootFolderController), velocity, translation);
}

void hook_SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double amount) {
  if (settings().hideapplibrary) return;
  kept().SBIconController_iconManager_rootFolderController_didOverscrollOnLastPageByAmount_(
      self, std::move(iconManager), std::move(rootFolderController), amount);
}

void hook_SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_(
    Self& self, ObjectRef iconManager, ObjectRef rootFolderController, double velocity, double translation) {
  if (settings().hideapplibrary) return;
  kept().SBIconController_iconManager_rootFolderController_didEndOverscrollOnLastPageWithVelocity_translation_(
      self, std::move(iconManager), std::move(rootFolderController), velocity, translation);
}

void hook_SBRootFolderView_scrollViewDidScroll_(Self& self, ObjectRef scrollView) {
  const TweakState& state = tweakState();
  if (state.settings.hidetoday && state.systemVersion < 14) {
    if (auto* scroll = dynamic_cast<platform::ui::ScrollView*>(scrollView.get())) {
      const double screenWidth = platform::ui::Screen::mainScreen().bounds().size.width;
      if (scroll->contentOffset().x < screenWidth) scroll->setContentOffset({screenWidth, 0});
    }
  }
  kept().SBRootFolderView_scrollViewDidScroll_(self, std::move(scrollView));
}

void hook_SBRootFolderView_layoutPageControlWithMetrics_(Self& self, const sig::PageMetrics* metrics) {
  kept().SBRootFolderView_layoutPageControlWithMetrics_(
      self, remembered(metrics, tweakState().homeScreen.savedPageControlMetrics));
}

void hook_SBRootFolderView__animateViewsForPullingToSearchWithMetrics_(Self& self, const sig::PageMetrics* metrics) {
  kept().SBRootFolderView__animateViewsForPullingToSearchWithMetrics_(
      self, remembered(metrics, tweakState().homeScreen.savedPullToSearchMetrics));
}

std::shared_ptr<View> hook_SBIconListView_displayedIconViewForIcon_(Self& self, ObjectRef icon) {
  std::shared_ptr<View> iconView = kept().SBIconListView_displayedIconViewForIcon_(self, std::move(icon));
  if (!settings().hideicons || !iconView) return iconView;
  auto* object = dynamic_cast<objc::Object*>(iconView.get());
  const std::string location = object ? locationOf(*object) : std::string();
  if (!onPageOrDock(location)) return iconView;
  const platform::graphics::Size screen = platform::ui::Screen::mainScreen().bounds().size;
  Rect frame = iconView->frame();
  const double halfScreen = static_cast<double>(static_cast<long>(std::trunc(screen.width)) / 2);
  frame.origin.x = std::trunc(halfScreen - frame.size.width / 2);
  frame.origin.y = location == kDockLocation ? kDockIconY : std::trunc(frame.size.height + std::trunc(screen.height));
  iconView->setFrame(frame);
  return iconView;
}

void hook_SBIconListPageControl_layoutSubviews(Self& self) {
  if (pageDotsHidden()) {
    if (auto view = viewOf(self)) hideAndFade(*view);
  }
  kept().SBIconListPageControl_layoutSubviews(self);
}

std::shared_ptr<View> hook_SBIconListPageControl_initWithFrame_(Self& self, Rect frame) {
  if (tweakState().systemVersion < 14 && pageDotsHidden()) return nullptr;
  return kept().SBIconListPageControl_initWithFrame_(self, frame);
}

void hook_SBIconListPageControl_setHidden_(Self& self, bool hidden) {
  kept().SBIconListPageControl_setHidden_(self, pageDotsHidden() || hidden);
}

double hook_SBDockView_defaultHeight(Self& self) {
  return iconsOrDockHidden() ? kHiddenDockHeight : kept().SBDockView_defaultHeight(self);
}

double hook_SBDockView_dockHeight(Self& self) {
  if (!iconsOrDockHidden()) return kept().SBDockView_dockHeight(self);
  if (auto dock = viewOf(self)) {
    hideAndFade(*dock);
    dock->setUserInteractionEnabled(false);
  }
  return 0;
}

void hook_SBDockView_setBackgroundAlpha_(Self& self, double alpha) {
  kept().SBDockView_setBackgroundAlpha_(self, settings().hidedockbg ? 0 : alpha);
}

void hook_SBFloatingDockPlatterView_setBackgroundView_(Self& self, ObjectRef backgroundView) {
  kept().SBFloatingDockPlatterView_setBackgroundView_(self, std::move(backgroundView));
  if (!settings().hidedockbg) return;
  if (objc::respondsToSelector(self, "backgroundView")) {
    if (auto background = asView(objc::send<sig::Getter>(self, "backgroundView"))) background->setHidden(true);
  }
}

void hook_SBFloatingDockView_layoutSubviews(Self& self) {
  kept().SBFloatingDockView_layoutSubviews(self);
  if (!iconsOrDockHidden()) return;
  if (auto dock = viewOf(self)) {
    dock->setHidden(true);
    dock->setUserInteractionEnabled(false);
  }
}

double hook_SBFloatingDockView_contentHeightForBounds_(Self& self, Rect bounds) {
  return iconsOrDockHidden() ? kHiddenDockHeight : kept().SBFloatingDockView_contentHeightForBounds_(self, bounds);
}

bool hook_SBWorkspaceTransitionContext_animationDisabled(Self& self) {
  return kept().SBWorkspaceTransitionContext_animationDisabled(self);
}

ObjectRef hook_SBHomeScreenOverlayViewController_currentSidebarViewController(Self& self) {
  return kept().SBHomeScreenOverlayViewController_currentSidebarViewController(self);
}

}  // namespace vantile::integration
