#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/lockscreen/CSAdjunctListItem.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/springboard/views/StockView.h"
#include "platform/ui/views/Screen.h"

namespace platform::springboard {

namespace {

bool exists(std::string_view className) { return objc::getClass(className) != nullptr; }

// SpringBoard's object of a class this iOS has; null on one without it.
template <class T>
std::shared_ptr<T> makeIfDeclared(std::string_view className) {
  return exists(className) ? std::make_shared<T>(className) : nullptr;
}

// A container view of a class this iOS may lack (a plain view then).
std::shared_ptr<StockView> makeContainer(std::string_view className, const graphics::Rect& frame) {
  auto container = StockView::make(exists(className) ? className : "UIView", frame);
  container->setUserInteractionEnabled(false);
  return container;
}

// SpringBoard's own call, on an iOS whose class has the operation.
template <class Sig>
void sendIfDeclared(objc::Object& receiver, std::string_view className, std::string_view selector) {
  if (exists(className)) objc::send<Sig>(receiver, selector);
}

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kSoftWhite{1, 1, 1, 0.75};
constexpr graphics::Color kPlatter{0.95, 0.95, 0.97, 0.32};
constexpr graphics::Color kButton{0.1, 0.1, 0.12, 0.45};
constexpr graphics::Color kLitButton{1, 1, 1, 0.9};
constexpr double kMargin = 16;
constexpr double kItemHeight = 68;
constexpr double kItemGap = 8;
constexpr std::size_t kMaximumNotifications = 3;

std::shared_ptr<StockLabel> makeLabel(std::string_view runtimeClass, const graphics::Rect& frame, double size,
                                      graphics::Color color = kWhite,
                                      ui::TextAlignment alignment = ui::TextAlignment::left) {
  auto label = StockLabel::make(runtimeClass, frame);
  label->setFont(graphics::systemFont(size));
  label->setTextColor(color);
  label->setTextAlignment(alignment);
  return label;
}

std::shared_ptr<StockView> makePlatter(std::string_view runtimeClass, const graphics::Rect& frame) {
  auto platter = StockView::make(runtimeClass, frame);
  platter->setBackgroundColor(kPlatter);
  platter->layer()->setCornerRadius(18);
  platter->setClipsToBounds(true);
  return platter;
}

std::shared_ptr<StockView> makeQuickActionButton(const graphics::Rect& frame, bool camera) {
  auto button = StockView::make("CSQuickActionsButton", frame);
  button->setBackgroundColor(kButton);
  button->layer()->setCornerRadius(frame.size.width / 2);
  const double middle = frame.size.width / 2;
  if (camera) {
    auto body = ui::View::make({middle - 11, middle - 7, 22, 15});
    body->setBackgroundColor(kWhite);
    body->layer()->setCornerRadius(3);
    auto lens = ui::View::make({7, 3, 8, 8});
    lens->setBackgroundColor(kButton);
    lens->layer()->setCornerRadius(4);
    body->addSubview(std::move(lens));
    body->setUserInteractionEnabled(false);
    button->addSubview(std::move(body));
  } else {
    auto head = ui::View::make({middle - 7, middle - 11, 14, 7});
    head->setBackgroundColor(kWhite);
    head->layer()->setCornerRadius(2);
    auto handle = ui::View::make({middle - 4, middle - 3, 8, 15});
    handle->setBackgroundColor(kWhite);
    handle->layer()->setCornerRadius(2);
    for (auto part : {head, handle}) {
      part->setUserInteractionEnabled(false);
      button->addSubview(std::move(part));
    }
  }
  return button;
}

std::string clockText(double seconds) {
  const long whole = std::lround(std::max(0.0, seconds));
  const long minutes = whole / 60;
  const long rest = whole % 60;
  return std::to_string(minutes) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace

std::shared_ptr<CSCoverSheetViewController> CSCoverSheetViewController::make(int iosVersion) {
  return std::make_shared<CSCoverSheetViewController>(ConstructionKey{}, iosVersion);
}

CSCoverSheetViewController::CSCoverSheetViewController(ConstructionKey key, int iosVersion)
    : ViewController(key),
      Object(versionedClassName("CSCoverSheetViewController", iosVersion)),
      iosVersion_(iosVersion),
      adjunctList_(makeIfDeclared<CSNotificationAdjunctListViewController>(
          iosVersion >= 13 ? "CSNotificationAdjunctListViewController" : "SBDashBoardNotificationAdjunctListViewController")),
      listItemManager_(makeIfDeclared<CSNotificationAdjunctListViewController>("CSListItemManager")),
      quickActions_(makeIfDeclared<objc::SharedObject>("CSQuickActionsViewController")) {}

std::shared_ptr<CSCoverSheetViewBase> CSCoverSheetViewController::coverSheetView() {
  view();
  return coverSheetView_;
}

std::shared_ptr<ui::View> CSCoverSheetViewController::loadView() {
  const graphics::Rect bounds = ui::Screen::mainScreen().bounds();
  coverSheetView_ = CSCoverSheetViewBase::make(versionedClassName("CSCoverSheetView", iosVersion_), bounds);
  mainPage_ = CSMainPageView::make(versionedClassName("CSMainPageView", iosVersion_), bounds);
  coverSheetView_->addSubview(mainPage_);
  buildMainPage();
  return coverSheetView_;
}

void CSCoverSheetViewController::buildMainPage() {
  const double width = mainPage_->bounds().size.width;
  const double height = mainPage_->bounds().size.height;

  statusBar_ = StatusBar::make({0, 0, width, 44}, false);
  mainPage_->addSubview(statusBar_);

  dateView_ = SBFLockScreenDateView::make({0, 84, width, 128});
  mainPage_->addSubview(dateView_);
  if (iosVersion_ >= 16) {
    dateView_->timeLabel()->setHidden(true);
    prominentTimeView_ = CSProminentTimeView::make({0, 28, width, 100});
    dateView_->addSubview(prominentTimeView_);
  }

  charging_ = StockView::make("CSBatteryChargingView", {0, 218, width, 24});
  chargingLabel_ = makeLabel("UILabel", {0, 0, width, 24}, 15, kSoftWhite, ui::TextAlignment::center);
  charging_->addSubview(chargingLabel_);
  charging_->setHidden(true);
  mainPage_->addSubview(charging_);

  nowPlaying_ = makePlatter(versionedClassName("CSAdjunctItemView", iosVersion_), {kMargin, 250, width - 2 * kMargin, 92});
  nowPlayingArtwork_ = StockImageView::make("UIImageView", {14, 14, 48, 48});
  nowPlayingArtwork_->setBackgroundColor(kButton);
  nowPlayingArtwork_->layer()->setCornerRadius(8);
  nowPlayingArtwork_->setClipsToBounds(true);
  nowPlayingArtwork_->setContentMode(ui::ContentMode::scaleAspectFill);
  nowPlayingTitle_ = makeLabel("UILabel", {74, 16, width - 2 * kMargin - 88, 22}, 16);
  nowPlayingArtist_ = makeLabel("UILabel", {74, 38, width - 2 * kMargin - 88, 20}, 14, kSoftWhite);
  auto track = ui::View::make({14, 74, width - 2 * kMargin - 28, 4});
  track->setBackgroundColor(graphics::Color{1, 1, 1, 0.3});
  track->layer()->setCornerRadius(2);
  nowPlayingProgress_ = ui::View::make({0, 0, 0, 4});
  nowPlayingProgress_->setBackgroundColor(kWhite);
  nowPlayingProgress_->layer()->setCornerRadius(2);
  track->addSubview(nowPlayingProgress_);
  for (const auto& part : std::vector<std::shared_ptr<ui::View>>{nowPlayingArtwork_, nowPlayingTitle_, nowPlayingArtist_, track}) {
    part->setUserInteractionEnabled(false);
    nowPlaying_->addSubview(part);
  }
  nowPlaying_->setHidden(true);
  mainPage_->addSubview(nowPlaying_);

  const graphics::Rect listFrame{kMargin, 352, width - 2 * kMargin, height - 352 - 150};
  notificationList_ = StockView::make("NCNotificationListView", listFrame);
  notificationList_->setClipsToBounds(true);
  mainPage_->addSubview(notificationList_);
  if (exists("CSCombinedListViewController")) {
    combinedList_ = NotificationListController::make("CSCombinedListViewController", notificationList_);
    combinedList_->stockFrame = listFrame;
  }
  if (exists("NCNotificationStructuredListViewController")) {
    structuredList_ = NotificationListController::make("NCNotificationStructuredListViewController", notificationList_);
  }

  footer_ = makeContainer("CSFixedFooterView", {0, height - 128, width, 8});
  auto pageDots = StockView::make(versionedClassName("CSPageControl", iosVersion_), {width / 2 - 14, 0, 28, 8});
  for (int index = 0; index < 2; ++index) {
    auto dot = ui::View::make({index * 20.0, 0, 8, 8});
    dot->setBackgroundColor(index == 0 ? kWhite : graphics::Color{1, 1, 1, 0.4});
    dot->layer()->setCornerRadius(4);
    pageDots->addSubview(std::move(dot));
  }
  // Shown once the footer adds its page control.
  pageDots->setHidden(exists("CSFixedFooterView"));
  footer_->addSubview(pageDots);
  mainPage_->addSubview(footer_);
  for (const auto* step : {"_addPageControl", "_layoutPageControl", "updatePageControl", "_layoutCallToActionView"}) {
    sendIfDeclared<signatures::Action>(*footer_, "CSFixedFooterView", step);
  }

  auto quickActions = StockView::make(versionedClassName("CSQuickActionsView", iosVersion_), {0, height - 106, width, 50});
  flashlightButton_ = makeQuickActionButton({46, 0, 50, 50}, false);
  cameraButton_ = makeQuickActionButton({width - 96, 0, 50, 50}, true);
  quickActions->addSubview(flashlightButton_);
  quickActions->addSubview(cameraButton_);
  mainPage_->addSubview(quickActions);

  teachableMoments_ = makeContainer("CSTeachableMomentsContainerView", {0, height - 46, width, 46});
  auto callToAction = makeLabel("SBUICallToActionLabel", {0, 0, width, 20}, 15, kSoftWhite, ui::TextAlignment::center);
  objc::send<signatures::SetTextForLanguage>(*callToAction, "setText:forLanguage:animated:", std::string("Swipe up to open"),
                                            std::string("en"), false);
  teachableMoments_->addSubview(callToAction);

  auto homeAffordance = StockView::make(versionedClassName("CSHomeAffordanceView", iosVersion_),
                                        {width / 2 - 67, 33, 134, 5});
  homeAffordance->setBackgroundColor(kWhite);
  homeAffordance->layer()->setCornerRadius(2.5);
  teachableMoments_->addSubview(homeAffordance);
  mainPage_->addSubview(teachableMoments_);
  askTeachableMoments();
}

// SpringBoard asks the container for its parts whenever it lays out the bottom of the page.
void CSCoverSheetViewController::askTeachableMoments() {
  for (const auto* part : {"controlCenterGrabberView", "callToActionLabel", "callToActionLabelContainerView",
                           "homeAffordanceView", "homeAffordanceContainerView"}) {
    sendIfDeclared<signatures::Getter>(*teachableMoments_, "CSTeachableMomentsContainerView", part);
  }
  sendIfDeclared<signatures::Action>(*teachableMoments_, "CSTeachableMomentsContainerView", "_addControlCenterTutors");
}

void CSCoverSheetViewController::refresh(const DeviceState& state, double nowPlayingElapsed) {
  view();
  statusBar_->refresh(state);
  const bool powered = state.battery.charging || state.battery.externalPower;
  showCharging(powered);
  const int level = static_cast<int>(std::lround(state.battery.level));
  chargingLabel_->setText(state.battery.level >= 100 ? "Charged 100%" : "Charging " + std::to_string(level) + "%");
  showNowPlaying(state, nowPlayingElapsed);
  showNotifications(state);
  flashlightButton_->setBackgroundColor(state.flashlight > 0 ? kLitButton : kButton);
  flashlightButton_->setHidden(!askQuickActions("hasFlashlight"));
  cameraButton_->setHidden(!askQuickActions("hasCamera"));
  askTeachableMoments();
}

void CSCoverSheetViewController::showCharging(bool powered) {
  const std::string controller = versionedClassName("CSCoverSheetViewController", iosVersion_);
  if (!exists(controller)) {
    charging_->setHidden(!powered);
    return;
  }
  objc::send<signatures::ChargingTransition>(*this, "_transitionChargingViewToVisible:showBattery:animated:", powered,
                                             true, false);
}

bool CSCoverSheetViewController::askQuickActions(const char* question) const {
  return !quickActions_ || objc::send<signatures::Answer>(*quickActions_, question);
}

void CSCoverSheetViewController::showNowPlaying(const DeviceState& state, double elapsed) {
  const NowPlayingState& now = state.nowPlaying;
  if (now.hasItem() != static_cast<bool>(nowPlayingItem_)) nowPlayingItemChanged(now.hasItem());
  nowPlaying_->setHidden(!now.hasItem() || !adjunctListHolds(nowPlayingItem_));
  if (!now.hasItem()) return;
  nowPlayingTitle_->setText(now.title);
  nowPlayingArtist_->setText(now.artist.empty() ? now.album : now.artist + " — " + now.album);
  std::optional<graphics::Image> artwork;
  if (!now.artwork.empty()) artwork = graphics::decodeImageFile(foundation::devicePath(now.artwork));
  nowPlayingArtwork_->setImage(std::move(artwork));
  const double track = nowPlayingProgress_->superview()->bounds().size.width;
  const double fraction = now.duration > 0 ? std::clamp(elapsed / now.duration, 0.0, 1.0) : 0;
  nowPlayingProgress_->setFrame({0, 0, track * fraction, 4});
  nowPlayingProgress_->setAccessibilityIdentifier(clockText(elapsed));
}

// Now playing enters the adjunct list and the list-item manager as SpringBoard's item.
void CSCoverSheetViewController::nowPlayingItemChanged(bool present) {
  if (!present) {
    if (listItemManager_) objc::send<signatures::ObjectAction>(*listItemManager_, "removeItem:", nowPlayingItem_);
    if (adjunctList_) adjunctList_->items.clear();
    nowPlayingItem_.reset();
    return;
  }
  nowPlayingItem_ = std::make_shared<CSAdjunctListItem>(CSAdjunctListItem::nowPlayingIdentifier,
                                                        CSAdjunctListItem::nowPlayingGrouping);
  if (listItemManager_) objc::send<signatures::ObjectAction>(*listItemManager_, "addItem:", nowPlayingItem_);
  if (!adjunctList_) return;
  if (iosVersion_ >= 13) {
    objc::send<signatures::InsertItem>(*adjunctList_, "_insertItem:animated:", nowPlayingItem_, true);
  } else {
    objc::send<signatures::DidAddItem>(*adjunctList_, "adjunctListModel:didAddItem:", nullptr, nowPlayingItem_);
  }
}

bool CSCoverSheetViewController::adjunctListHolds(const std::shared_ptr<objc::Object>& item) const {
  if (!adjunctList_) return static_cast<bool>(item);
  const auto& items = adjunctList_->items;
  return item && std::find(items.begin(), items.end(), item) != items.end();
}

// SpringBoard lays its list out where the combined list suggests, then tells it whether it holds anything.
void CSCoverSheetViewController::layOutNotificationList(bool hasContent) {
  if (!combinedList_) return;
  notificationList_->setFrame(objc::send<signatures::FrameGetter>(*combinedList_, "_suggestedListViewFrame"));
  if (structuredList_) objc::send<signatures::Action>(*structuredList_, "viewWillLayoutSubviews");
  objc::send<signatures::Action>(*combinedList_, "layoutListView");
  objc::send<signatures::Flag>(*combinedList_, "_setListHasContent:", hasContent);
}

void CSCoverSheetViewController::showNotifications(const DeviceState& state) {
  while (!notificationList_->subviews().empty()) notificationList_->subviews().back()->removeFromSuperview();
  const double width = notificationList_->bounds().size.width;
  std::size_t shown = 0;
  for (const AppState& app : state.apps) {
    if (shown == kMaximumNotifications) break;
    if (!app.badge || app.hidden) continue;
    const double top = static_cast<double>(shown++) * (kItemHeight + kItemGap);
    auto cell = StockView::make("NCNotificationListCell", {0, top, width, kItemHeight});
    auto material = makePlatter("NCMaterialDisplayingCaptureOnlyViewControllerView", {0, 0, width, kItemHeight});
    auto content = StockView::make("NCNotificationSeamlessContentView", {0, 0, width, kItemHeight});
    content->setUserInteractionEnabled(false);
    auto title = makeLabel("UILabel", {14, 12, width - 28, 20}, 15);
    title->setText(app.name);
    title->setTag(1);
    auto message = makeLabel("UILabel", {14, 34, width - 28, 20}, 14, kSoftWhite);
    message->setText(*app.badge == "1" ? "1 new notification" : *app.badge + " new notifications");
    message->setTag(2);
    content->addSubview(title);
    content->addSubview(message);
    material->addSubview(content);
    cell->addSubview(material);
    notificationList_->addSubview(cell);
  }
  layOutNotificationList(shown > 0);
}

void CSCoverSheetViewController::dismissToMainPage(signatures::Object pageViewController) {
  objc::send<signatures::ObjectAction>(*this, "_dismissToMainPageFromPageViewController:", std::move(pageViewController));
}

void CSCoverSheetViewController::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::ObjectAction>(cls, "_dismissToMainPageFromPageViewController:",
                                            [](objc::Object& self, signatures::Object) {
                                              receiver<CSCoverSheetViewController>(self).showingCamera_ = false;
                                            });
}

}  // namespace platform::springboard
