#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;
using platform::ui::Label;

constexpr const char* kNowPlayingGrouping = "com.apple.MediaRemoteUI";
constexpr const char* kTimerGrouping = "com.apple.ClockAngel";
constexpr const char* kPosterBoard = "com.apple.PosterBoard";

std::string groupingIdentifierOf(const ObjectRef& item) {
  if (!item || !objc::respondsToSelector(*item, "groupingIdentifier")) return {};
  return objc::send<sig::Text>(*item, "groupingIdentifier");
}

void pinToNotificationY(View& view) {
  Rect frame = view.frame();
  frame.origin.y = static_cast<double>(tweakState().settings.notificationy);
  view.setFrame(frame);
}

void relayoutList() {
  const ObjectRef& controller = tweakState().notificationList.listController;
  if (controller) objc::send<sig::Action>(*controller, "_layoutListView");
}

// Notification views of another iOS may lack a key: only keys the class has are read.
std::shared_ptr<View> viewForKey(Self& self, const char* key) {
  return objc::valueForKey<std::shared_ptr<View>>(self, key).value_or(nullptr);
}

void setSystemFont(const std::shared_ptr<View>& view, std::int64_t size) {
  if (auto label = std::dynamic_pointer_cast<Label>(view)) {
    label->setFont(platform::graphics::systemFont(static_cast<double>(size)));
  }
}

}  // namespace

void hook_CSCombinedListViewController_updateAppearanceForHidden_offset_(Self& self, bool hidden, double offset) {
  TweakState& state = tweakState();
  if (state.settings.changenotificationy) return;
  state.kept.CSCombinedListViewController_updateAppearanceForHidden_offset_(self, hidden, offset);
}

void hook_CSCombinedListViewController_layoutListView(Self& self) {
  TweakState& state = tweakState();
  state.kept.CSCombinedListViewController_layoutListView(self);
  const auto& listView = state.notificationList.structuredListViewControllerView;
  if (state.settings.changenotificationy && listView) pinToNotificationY(*listView);
}

void hook_NCNotificationStructuredListViewController_viewWillLayoutSubviews(Self& self) {
  TweakState& state = tweakState();
  state.kept.NCNotificationStructuredListViewController_viewWillLayoutSubviews(self);
  if (!state.settings.changenotificationy) return;
  auto* controller = dynamic_cast<platform::ui::ViewController*>(&self);
  const std::shared_ptr<View> view = controller ? controller->view() : nullptr;
  if (!view) return;
  state.notificationList.structuredListViewControllerView = view;
  if (view->frame().origin.y != static_cast<double>(state.settings.notificationy)) pinToNotificationY(*view);
}

void hook_CSCombinedListViewController__setListHasContent_(Self& self, bool hasContent) {
  TweakState& state = tweakState();
  state.kept.CSCombinedListViewController__setListHasContent_(self, hasContent);
  if (hasContent == state.lockScreen.listHasContent) return;
  state.lockScreen.listHasContent = hasContent;
  checkShowingItems();
}

Rect hook_CSCombinedListViewController__suggestedListViewFrame(Self& self) {
  TweakState& state = tweakState();
  state.notificationList.listController = sharedSelf(self);
  Rect frame = state.kept.CSCombinedListViewController__suggestedListViewFrame(self);
  const TweakSettings& settings = state.settings;
  if (!settings.changenotificationwidth || state.notificationList.musicShowing) return frame;
  const double width = frame.size.width + static_cast<double>(settings.notificationwidth);
  if (settings.centernotification) {
    frame.origin.x += platform::ui::Screen::mainScreen().bounds().size.width * 0.5 - width * 0.5;
  }
  frame.size.width = width;
  return frame;
}

void hook_CSCombinedListViewController_viewWillAppear_(Self& self, bool animated) {
  TweakState& state = tweakState();
  state.kept.CSCombinedListViewController_viewWillAppear_(self, animated);
  if (animated && state.lockScreen.lockScreenThemeView) state.lockScreen.lockScreenThemeView->setHidden(false);
}

ObjectRef hook_SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_(Self& self, ObjectRef entity) {
  TweakState& state = tweakState();
  if (state.settings.posterboard && entity && objc::respondsToSelector(*entity, "uniqueIdentifier")) {
    const std::string identifier = objc::send<sig::Text>(*entity, "uniqueIdentifier");
    if (identifier.find(kPosterBoard) != std::string::npos) return nullptr;
  }
  return state.kept.SBDashBoardHostedAppViewController_initWithApplicationSceneEntity_(self, std::move(entity));
}

std::string hook_NCNotificationListHeaderTitleView_title(Self& self) {
  TweakState& state = tweakState();
  if (state.settings.hidenotificationcentertext) return {};
  return state.kept.NCNotificationListHeaderTitleView_title(self);
}

void hook_NCNotificationSeamlessContentView_layoutSubviews(Self& self) {
  TweakState& state = tweakState();
  const TweakSettings& settings = state.settings;
  const std::shared_ptr<View> title = viewForKey(self, "primaryTextLabel");
  const std::shared_ptr<View> date = viewForKey(self, "dateLabel");
  const std::shared_ptr<View> message = viewForKey(self, "secondaryTextElement");
  if (settings.hidenotificationtitle && title) title->setAlpha(0);
  if (settings.hidenotificationdate && date) date->setAlpha(0);
  if (settings.changetitlefontsize) setSystemFont(title, settings.titlefontsize);
  if (settings.changedatefontsize) setSystemFont(date, settings.datefontsize);
  if (settings.changemessagefontsize) setSystemFont(message, settings.messagefontsize);
  state.kept.NCNotificationSeamlessContentView_layoutSubviews(self);
}

void hook_CSListItemManager_addItem_(Self& self, ObjectRef item) {
  TweakState& state = tweakState();
  const TweakSettings& settings = state.settings;
  const std::string grouping = groupingIdentifierOf(item);
  if (grouping == kTimerGrouping && settings.hidetimer) return;
  if (grouping == kNowPlayingGrouping) {
    if (settings.hidemusic) return;
    if (settings.changenotificationwidth) {
      state.notificationList.musicShowing = true;
      relayoutList();
    }
  }
  state.kept.CSListItemManager_addItem_(self, std::move(item));
}

void hook_CSListItemManager_removeItem_(Self& self, ObjectRef item) {
  TweakState& state = tweakState();
  if (state.settings.changenotificationwidth && groupingIdentifierOf(item) == kNowPlayingGrouping) {
    state.notificationList.musicShowing = false;
    relayoutList();
  }
  state.kept.CSListItemManager_removeItem_(self, std::move(item));
}

}  // namespace vantile::integration
