#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Notification.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/Geometry.h"
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
// -string of timer views, -title of headers
using Text = std::string();
// -openURL:
using OpenURL = bool(std::string url);

}  // namespace platform::springboard::signatures
