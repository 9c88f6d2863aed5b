#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/objc/Messaging.h"
#include "platform/ui/text/Label.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

constexpr const char* kNowPlayingIdentifier = "SBDashBoardNowPlayingAssertionIdentifier";
constexpr const char* kDoNotDisturbSymbol = "moon.fill";

const TweakSettings& settings() { return tweakState().settings; }
KeptImplementations& kept() { return tweakState().kept; }

void hide(const std::shared_ptr<View>& view) {
  if (view) view->setHidden(true);
}

void hideSelf(Self& self) { hide(viewOf(self)); }

// Hides the view the kept getter answers, then hands it on.
ObjectRef hideResult(ObjectRef result) {
  hide(asView(result));
  return result;
}

bool isNowPlaying(const ObjectRef& item) {
  return item && objc::respondsToSelector(*item, "identifier") &&
         objc::send<sig::Text>(*item, "identifier") == kNowPlayingIdentifier;
}

}  // namespace

void hook_CSFocusActivityView_didMoveToWindow(Self& self) {
  kept().CSFocusActivityView_didMoveToWindow(self);
  if (settings().hidedndpill) hideSelf(self);
}

std::string hook_NCNotificationListCountIndicatorView_symbolImageName(Self& self) {
  std::string symbol = kept().NCNotificationListCountIndicatorView_symbolImageName(self);
  if (settings().hidednd && symbol == kDoNotDisturbSymbol) hideSelf(self);
  return symbol;
}

void hook_NCNotificationListCountIndicatorView_didMoveToWindow(Self& self) {
  kept().NCNotificationListCountIndicatorView_didMoveToWindow(self);
  if (settings().hidefocus) hideSelf(self);
}

void hook_CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_(Self& self, bool visible,
                                                                                           bool showBattery,
                                                                                           bool animated) {
  if (settings().hidebattery) return;
  kept().CSCoverSheetViewController__transitionChargingViewToVisible_showBattery_animated_(self, visible, showBattery,
                                                                                           animated);
}

void hook_SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_(Self& self, bool visible,
                                                                                          bool showBattery,
                                                                                          bool animated) {
  if (settings().hidebattery) return;
  kept().SBDashBoardViewController__transitionChargingViewToVisible_showBattery_animated_(self, visible, showBattery,
                                                                                          animated);
}

void hook_SBLockScreenViewController__addBatteryChargingViewAndShowBattery_(Self& self, bool showBattery) {
  if (settings().hidebattery) return;
  kept().SBLockScreenViewController__addBatteryChargingViewAndShowBattery_(self, showBattery);
}

void hook_CSBackgroundContentView_layoutSubviews(Self& self) {
  if (settings().hidemusicbg) {
    if (auto view = viewOf(self)) view->setAlpha(0);
  }
  kept().CSBackgroundContentView_layoutSubviews(self);
}

void hook_CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_(Self& self, ObjectRef item,
                                                                                         std::int64_t index,
                                                                                         bool animated) {
  if (settings().hidemusic && isNowPlaying(item)) return;
  kept().CSNotificationAdjunctListViewController__insertItem_atPreferredIndex_animated_(self, std::move(item), index,
                                                                                        animated);
}

void hook_CSNotificationAdjunctListViewController__insertItem_animated_(Self& self, ObjectRef item, bool animated) {
  if (settings().hidemusic && isNowPlaying(item)) return;
  kept().CSNotificationAdjunctListViewController__insertItem_animated_(self, std::move(item), animated);
}

void hook_SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_(Self& self, ObjectRef model,
                                                                                        ObjectRef item) {
  if (settings().hidemusic && isNowPlaying(item)) return;
  kept().SBDashBoardNotificationAdjunctListViewController_adjunctListModel_didAddItem_(self, std::move(model),
                                                                                       std::move(item));
}

ObjectRef hook_SBUIProudLockContainerViewController__proudLockIconView(Self& self) {
  ObjectRef icon = kept().SBUIProudLockContainerViewController__proudLockIconView(self);
  if (!settings().hideLockIcon) return icon;
  if (auto view = asView(icon)) {
    view->setHidden(true);
    view->setAlpha(0);
  }
  return icon;
}

void hook_SBFLockScreenDateView_layoutSubviews(Self& self) {
  kept().SBFLockScreenDateView_layoutSubviews(self);
  if (settings().hidetime) hideSelf(self);
}

void hook_CSProminentDisplayView_layoutSubviews(Self& self) {
  kept().CSProminentDisplayView_layoutSubviews(self);
  if (settings().hidetime) hideSelf(self);
}

void hook_CSProminentDisplayView_didMoveToWindow(Self& self) { kept().CSProminentDisplayView_didMoveToWindow(self); }

void hook_SBUICallToActionLabel_setText_forLanguage_animated_(Self& self, std::string text, std::string language,
                                                              bool animated) {
  if (settings().hideCallToActionText) text.clear();
  kept().SBUICallToActionLabel_setText_forLanguage_animated_(self, std::move(text), std::move(language), animated);
}

void hook_CSFixedFooterView__layoutCallToActionView(Self& self) {
  if (!settings().hidepagedots) kept().CSFixedFooterView__layoutCallToActionView(self);
}

void hook_CSFixedFooterView__addPageControl(Self& self) {
  if (!settings().hidepagedots) kept().CSFixedFooterView__addPageControl(self);
}

void hook_CSFixedFooterView_updatePageControl(Self& self) {
  if (!settings().hidepagedots) kept().CSFixedFooterView_updatePageControl(self);
}

void hook_CSFixedFooterView__layoutPageControl(Self& self) {
  if (!settings().hidepagedots) kept().CSFixedFooterView__layoutPageControl(self);
}

ObjectRef hook_CSTeachableMomentsContainerView_controlCenterGrabberView(Self& self) {
  ObjectRef grabber = kept().CSTeachableMomentsContainerView_controlCenterGrabberView(self);
  return settings().hideccbar ? hideResult(std::move(grabber)) : grabber;
}

void hook_CSTeachableMomentsContainerView__addControlCenterTutors(Self& self) {
  if (!settings().hideccbar) kept().CSTeachableMomentsContainerView__addControlCenterTutors(self);
}

ObjectRef hook_CSTeachableMomentsContainerView_callToActionLabel(Self& self) {
  ObjectRef label = kept().CSTeachableMomentsContainerView_callToActionLabel(self);
  if (settings().hideCallToActionText) {
    if (auto text = std::dynamic_pointer_cast<platform::ui::Label>(asView(label))) text->setText("");
  }
  return label;
}

ObjectRef hook_CSTeachableMomentsContainerView_callToActionLabelContainerView(Self& self) {
  ObjectRef container = kept().CSTeachableMomentsContainerView_callToActionLabelContainerView(self);
  return settings().hideCallToActionContainers ? hideResult(std::move(container)) : container;
}

ObjectRef hook_CSTeachableMomentsContainerView_homeAffordanceView(Self& self) {
  ObjectRef affordance = kept().CSTeachableMomentsContainerView_homeAffordanceView(self);
  return settings().hideCallToActionContainers ? hideResult(std::move(affordance)) : affordance;
}

ObjectRef hook_CSTeachableMomentsContainerView_homeAffordanceContainerView(Self& self) {
  ObjectRef container = kept().CSTeachableMomentsContainerView_homeAffordanceContainerView(self);
  return settings().hideCallToActionContainers ? hideResult(std::move(container)) : container;
}

bool hook_CSQuickActionsViewController_hasFlashlight(Self& self) {
  return !settings().hideflashlight && kept().CSQuickActionsViewController_hasFlashlight(self);
}

bool hook_CSQuickActionsViewController_hasCamera(Self& self) {
  return !settings().hidecamera && kept().CSQuickActionsViewController_hasCamera(self);
}

}  // namespace vantile::integration
