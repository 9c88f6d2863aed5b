#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/notifications/Notification.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/objc/Object.h"
#include "platform/ui/gestures/Event.h"
#include "platform/ui/views/View.h"

// The signatures SpringBoard's replaceable operations are sent with. A replacement installed
// with MSHookMessageEx must use exactly these (a send reaches a method only with the signature
// it was added with). Objects cross as shared pointers (null for nil); dictionaries and other
// property-list values as platform::Value (null for nil).
namespace platform::springboard::signatures {

using Object = std::shared_ptr<objc::Object>;

// -didMoveToWindow, -layoutSubviews, -viewDidLoad, -_updateLabels, -_updateTimeItems,
// -lockScreenViewControllerDidPresent, -_stopTimer, ...
using Action = void();
// -isShowingHomescreen, -isUILocked, -_isCoverSheetCameraVisible, -isIdleTimerEnabled
using Answer = bool();
// -hitTest:withEvent: (the event may be null)
using HitTest = std::shared_ptr<ui::View>(graphics::Point, const ui::Event*);
// -initWithFrame: answers the view it made (self, for the stock initializer)
using InitWithFrame = std::shared_ptr<ui::View>(graphics::Rect);
// -init of objects that are no views (AVFlashlight)
using Init = Object();
// +sharedInstance, -_rootFolderController, -rootFolderView, -sleepWallpaperFilterSettings, ...
using Getter = Object();
// -setAwakeWallpaperFilterSettings:
using Setter = void(Object);
// -updateForPresentation: (the presentation), -applicationDidFinishLaunching: (the application),
// -_processDidLaunch: (the process), -_dismissToMainPageFromPageViewController: (the page)
using ObjectAction = void(Object);
// -_startWakeAnimationsForWaking:animationSettings:
using StartWakeAnimations = void(bool waking, Object settings);
// -_handleBacklightLevelWillChange: (user info "SBBacklightNewFactorKey")
using NotificationAction = void(const foundation::Notification&);
// -controlCenterViewController:didChangePresentationState:
using PresentationStateChange = void(Object controller, std::int64_t state);
// -alarmsUpdated: (the alarms, an array)
using AlarmsUpdated = void(platform::Value alarms);
// -setNowPlayingInfo: (a dictionary, or any other value, or null), -setBadgeValue: (a string,
// a number or null)
using ValueSetter = void(platform::Value);
// -nowPlayingInfo, -badgeValue
using ValueGetter = platform::Value();
// -_notifyItemChanged: (the status bar item)
using ItemChanged = void(std::int64_t item);
// -_handlePhysicalButtonEvent: answers whether it handled the event
using PhysicalButtonEvent = bool(const ui::Event*);
// -minimumLockscreenIdleTime (seconds), -flashlightLevel, -duration
using Seconds = double();
using Level = float();
// -setFlashlightLevel:withError: (no error out-parameter here: the answer says whether it took)
using SetFlashlightLevel = bool(float level, std::string* error);
// -setDuration:
using SetSeconds = void(double);
// -setCurrentForecastModel:
using ForecastModelSetter = void(Object model);
// -todayModel:forecastWasUpdated:
using ForecastWasUpdated = void(Object todayModel, Object forecast);
// -_locationUpdateCompleted:error:completion: (nothing for no error)
using LocationUpdateCompleted = void(Object location, std::optional<std::string> error, std::function<void()> completion);
// -setCoverSheetPresented:animated:withCompletion:
using SetCoverSheetPresented = void(bool presented, bool animated, std::function<void()> completion);
// -unlockUIFromSource:withOptions: stands as an unlock request with a completion
using UnlockRequest = void(Object request, std::function<void(bool unlocked)> completion);
// -string of timer views, -title of headers, -groupName, -displayName, -applicationBundleID
using Text = std::string();
// -currentNetworkName (nothing when no network is joined)
using OptionalText = std::optional<std::string>();
// -batteryCapacityAsPercentage, -signalStrengthBars, -percentCharge, -conditionCode, -dayOfWeek, ...
using Integer = std::int64_t();
// -sunriseTime, -sunsetTime (hours × 100 + minutes)
using UnsignedInteger = std::uint64_t();
// -windSpeed, -humidity, -nextFireDate (seconds since 1970), -latitude, ...
using Real = double();
// -percentPrecipitation (nothing when the forecast offers none)
using OptionalReal = std::optional<double>();
// -connectedDevices, -leafIcons, -dayForecasts, -hourlyForecasts
using Objects = std::vector<Object>();
// -openURL:
using OpenURL = bool(std::string url);

// Operations of the classes the hiding, notification-list, icon-layout, wallpaper and charging
// replacements touch; the stock behaviour is plain.
// -viewWillAppear:, -viewDidAppear:, -viewDidDisappear:, -setHidden:, -setLabelHidden:,
// -_setListHasContent:, -setIconContentScalingEnabled:, -_addBatteryChargingViewAndShowBattery:
using Flag = void(bool);
// -_transitionChargingViewToVisible:showBattery:animated:
using ChargingTransition = void(bool visible, bool showBattery, bool animated);
// -updateAppearanceForHidden:offset:
using AppearanceForHidden = void(bool hidden, double offset);
// -initWithApplicationSceneEntity: answers the controller it made
using InitWithObject = Object(Object);
// -_suggestedListViewFrame
using FrameGetter = graphics::Rect();
// -setText:forLanguage:animated:
using SetTextForLanguage = void(std::string text, std::string language, bool animated);
// -addItem:, -removeItem:, -scrollViewDidScroll:, -presentLibraryOverlayForIconManager:,
// -setBackgroundView: (ObjectAction)
// -_insertItem:atPreferredIndex:animated:
using InsertItemAtIndex = void(Object item, std::int64_t index, bool animated);
// -_insertItem:animated:
using InsertItem = void(Object item, bool animated);
// -adjunctListModel:didAddItem:
using DidAddItem = void(Object model, Object item);
// -presentLibraryAnimated:completion:, -presentLibraryFromOverlayControllerAnimated:completion:
using AnimatedWithCompletion = void(bool animated, std::function<void()> completion);
// -activateTodayViewWithCompletion:
using WithCompletion = void(std::function<void()> completion);
// -iconManager:rootFolderController:didOverscrollOnFirstPageByAmount: (and ...LastPage...)
using Overscroll = void(Object iconManager, Object rootFolderController, double amount);
// -iconManager:rootFolderController:didEndOverscrollOnFirstPageWithVelocity:translation: (and ...LastPage...)
using EndOverscroll = void(Object iconManager, Object rootFolderController, double velocity, double translation);
// -grabberTongueBeganPulling:withDistance:andVelocity:andGesture:
using GrabberPulling = void(Object tongue, double distance, double velocity, Object gesture);
// -displayedIconViewForIcon: (the icon as its SBApplication)
using IconViewForIcon = std::shared_ptr<ui::View>(Object icon);
// -initWithModel:orientation:viewMap:
using InitWithModel = std::shared_ptr<ui::View>(Object model, std::int64_t orientation, Object viewMap);
// +defaultHeight, -dockHeight, -iconContentScale, -effectiveOverallAlpha
// (Seconds: any double answer)
// -setBackgroundAlpha:, -setIconContentScale:, -_applyIconContentScale: (SetSeconds: any double)
// -contentHeightForBounds:
using HeightForBounds = double(graphics::Rect bounds);
// -numberOfPortraitColumns, -numberOfPortraitRows
using Count = std::uint64_t();
// -portraitLayoutInsets: top, left, bottom, right
struct EdgeInsets {
  double top = 0;
  double left = 0;
  double bottom = 0;
  double right = 0;
};
using InsetsGetter = EdgeInsets();
// SpringBoard's page-control metrics record, handed by pointer and copied whole.
struct PageMetrics {
  static constexpr std::size_t size = 328;
  std::array<std::uint8_t, size> bytes{};
};
// -layoutPageControlWithMetrics:, -_animateViewsForPullingToSearchWithMetrics: (the record may be null)
using MetricsAction = void(const PageMetrics*);
// -isDisplayingWallpaperWithConfiguration:forVariant:
using DisplaysWallpaper = bool(Object configuration, std::int64_t variant);
// -setBacklightFactorPending:
using SetFactor = void(float factor);
// -snapshotImage, -snapshot (no picture: nothing)
using ImageGetter = std::optional<graphics::Image>();
// -variant (0 the lock screen's wallpaper)
using Variant = std::int64_t();

}  // namespace platform::springboard::signatures
