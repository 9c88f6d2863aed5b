#pragma once

#include <memory>
#include <vector>

#include "integration/IntegrationHooks.h"
#include "integration/KeptImplementations.h"
#include "integration/TweakSettings.h"
#include "integration/charging/AnimatedImageView.h"
#include "integration/links/TweakLinks.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/ViewController.h"

namespace vantile::integration {

// The lock-screen theme on the cover sheet's main page.
struct LockScreenState {
  std::shared_ptr<platform::ui::View> lockScreenThemeView;
  std::shared_ptr<platform::ui::View> darkOverlayView;
  std::shared_ptr<platform::ui::View> chargingContainerView;
  // The charging sequence in the container; the flag that drops SpringBoard's backlight
  // changes; the play whose timeout may still act (a newer trigger replaces it).
  std::shared_ptr<AnimatedImageView> chargingAnimationView;
  bool keepScreenAwake = false;
  std::uint64_t chargingPlay = 0;
  std::shared_ptr<platform::ui::Label> timerLabel;
  bool lockScreenThemeAttached = false;
  bool lockScreenThemeNeedsRebuild = false;
  bool lockScreenOffsetChanged = false;
  bool listHasContent = false;
  // Event time stamps are seconds of uptime: double, so the throttle holds after weeks.
  double lastTapTime = 0;
  ObjectRef savedModel;
};

// The home-screen theme inside SpringBoard's home-screen view.
struct HomeScreenState {
  std::shared_ptr<platform::ui::View> homeScreenView;
  std::shared_ptr<platform::ui::View> homeScreenThemeView;
  std::size_t homeScreenThemeIndex = 0;
  bool homeScreenThemeAttached = false;
  bool homeScreenThemeNeedsRebuild = false;
  bool homeScreenOffsetChanged = false;
  bool iconsNeedRelayout = false;
  double sbLastTapTime = 0;
  // The icon content view whose touches are switched while "hideicons" is on.
  std::shared_ptr<platform::ui::View> iconC;
  // The last metrics records SpringBoard gave, handed on when it gives none.
  platform::springboard::signatures::PageMetrics savedPageControlMetrics;
  platform::springboard::signatures::PageMetrics savedPullToSearchMetrics;
};

// The cover sheet's notification list.
struct NotificationListState {
  ObjectRef listController;
  std::shared_ptr<platform::ui::View> structuredListViewControllerView;
  bool musicShowing = false;
};

// The status bars captured while a status-bar switch is on.
struct StatusBarState {
  std::shared_ptr<platform::ui::View> initialStatusBar;
  std::shared_ptr<platform::ui::View> occludedStatusBar;
};

// The web widget's remote view under the lock-screen theme.
struct WebWidgetState {
  // The service's proxy of the newest attachment; none before the first.
  ObjectRef webServiceProxy;
  std::shared_ptr<platform::ui::ViewController> remoteViewController;
  std::weak_ptr<platform::ui::View> container;
};

// The tweak's process-wide state, touched on the main thread only.
struct TweakState {
  TweakSettings settings;
  LockScreenState lockScreen;
  HomeScreenState homeScreen;
  WebWidgetState webWidget;
  NotificationListState notificationList;
  StatusBarState statusBars;
  KeptImplementations kept;
  // The first flashlight SpringBoard makes.
  ObjectRef keptFlashlight;
  // The running iOS version; 0 until the second initializer ran.
  float systemVersion = 0;
  bool isSpringBoard = false;
  std::vector<std::shared_ptr<platform::foundation::DarwinNotificationCenter::Observation>> observers;

  TweakLinks links = TweakLinks::standard();
  IntegrationHooks hooks;
};

TweakState& tweakState();

}  // namespace vantile::integration
