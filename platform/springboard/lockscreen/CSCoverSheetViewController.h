#pragma once

#include <memory>
#include <vector>

#include "platform/objc/Object.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewBase.h"
#include "platform/springboard/lockscreen/CSMainPageView.h"
#include "platform/springboard/lockscreen/CSNotificationAdjunctListViewController.h"
#include "platform/springboard/lockscreen/NotificationListController.h"
#include "platform/objc/SharedObject.h"
#include "platform/springboard/lockscreen/SBFLockScreenDateView.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/views/StatusBar.h"
#include "platform/springboard/views/StockView.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::springboard {

// The cover sheet: its view is the lock screen, with the main page holding the status bar,
// clock and date, now playing, the charging view, the notification list, page dots, quick
// actions for the flashlight and the camera, the call to action and the home affordance.
class CSCoverSheetViewController : public ui::ViewController, public objc::Object {
 public:
  // `iosVersion` picks the classes (CS… from 13 on, SBDashBoard… before; the prominent time
  // from 16 on).
  static std::shared_ptr<CSCoverSheetViewController> make(int iosVersion);

  CSCoverSheetViewController(ConstructionKey key, int iosVersion);

  // Loads the view when needed.
  std::shared_ptr<CSCoverSheetViewBase> coverSheetView();
  const std::shared_ptr<CSMainPageView>& mainPageView() const { return mainPage_; }
  const std::shared_ptr<SBFLockScreenDateView>& dateView() const { return dateView_; }
  // From iOS 16 on; null before.
  const std::shared_ptr<CSProminentTimeView>& prominentTimeView() const { return prominentTimeView_; }
  const std::shared_ptr<StatusBar>& statusBar() const { return statusBar_; }
  const std::shared_ptr<ui::View>& notificationListView() const { return notificationList_; }
  const std::shared_ptr<ui::View>& nowPlayingView() const { return nowPlaying_; }
  const std::shared_ptr<ui::View>& chargingView() const { return charging_; }
  const std::shared_ptr<ui::View>& flashlightButton() const { return flashlightButton_; }
  const std::shared_ptr<ui::View>& cameraButton() const { return cameraButton_; }

  // Shows what the device holds (status bar, now playing, charging, notifications, flashlight).
  void refresh(const DeviceState& state, double nowPlayingElapsed);

  // Back from another page of the cover sheet (the camera) to the main page.
  void dismissToMainPage(signatures::Object pageViewController);
  bool isShowingCamera() const { return showingCamera_; }
  void showCamera() { showingCamera_ = true; }

  static void declareClass(objc::Class& cls);

 protected:
  std::shared_ptr<ui::View> loadView() override;

 private:
  void buildMainPage();
  void showNotifications(const DeviceState& state);
  void showNowPlaying(const DeviceState& state, double elapsed);
  void nowPlayingItemChanged(bool present);
  bool adjunctListHolds(const std::shared_ptr<objc::Object>& item) const;
  void layOutNotificationList(bool hasContent);
  void showCharging(bool powered);
  bool askQuickActions(const char* question) const;
  void askTeachableMoments();

  int iosVersion_;
  bool showingCamera_ = false;
  std::shared_ptr<CSCoverSheetViewBase> coverSheetView_;
  std::shared_ptr<CSMainPageView> mainPage_;
  std::shared_ptr<StatusBar> statusBar_;
  std::shared_ptr<SBFLockScreenDateView> dateView_;
  std::shared_ptr<CSProminentTimeView> prominentTimeView_;
  std::shared_ptr<ui::View> notificationList_;
  std::shared_ptr<ui::View> nowPlaying_;
  std::shared_ptr<ui::Label> nowPlayingTitle_;
  std::shared_ptr<ui::Label> nowPlayingArtist_;
  std::shared_ptr<ui::ImageView> nowPlayingArtwork_;
  std::shared_ptr<ui::View> nowPlayingProgress_;
  std::shared_ptr<ui::View> charging_;
  std::shared_ptr<ui::Label> chargingLabel_;
  std::shared_ptr<ui::View> flashlightButton_;
  std::shared_ptr<ui::View> cameraButton_;
  std::shared_ptr<StockView> footer_;
  std::shared_ptr<StockView> teachableMoments_;
  std::shared_ptr<NotificationListController> combinedList_;
  std::shared_ptr<NotificationListController> structuredList_;
  std::shared_ptr<CSNotificationAdjunctListViewController> adjunctList_;
  std::shared_ptr<CSNotificationAdjunctListViewController> listItemManager_;
  std::shared_ptr<objc::SharedObject> quickActions_;
  std::shared_ptr<objc::Object> nowPlayingItem_;
};

}  // namespace platform::springboard
