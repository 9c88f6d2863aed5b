#include <cmath>

#include "integration/ReplacementSupport.h"
#include "integration/Replacements.h"
#include "platform/objc/Messaging.h"

namespace vantile::integration {

namespace {

namespace objc = platform::objc;

constexpr float kTimerLabelVersion = 10;
constexpr float kRepeatedLocationUpdateVersion = 15;

void showTimerText(const std::string& timerText) {
  const auto& label = tweakState().lockScreen.timerLabel;
  label->setHidden(false);
  label->setText("Timer:" + timerText);
}

void stopTimerLabel() {
  const TweakState& state = tweakState();
  if (state.systemVersion < kTimerLabelVersion || !state.lockScreen.timerLabel) return;
  state.lockScreen.timerLabel->setText("");
  state.lockScreen.timerLabel->setHidden(true);
}

// The Fahrenheit temperature of the model's city; 0 when the model does not tell it.
double fahrenheitOf(const ObjectRef& model) {
  const ObjectRef city = objc::send<sig::Getter>(model.get(), "city");
  const ObjectRef temperature = objc::send<sig::Getter>(city.get(), "temperature");
  return objc::send<sig::Seconds>(temperature.get(), "fahrenheit");
}

void parseModel(const ObjectRef& model) {
  const auto& parse = tweakState().hooks.parseModel;
  if (parse) parse(model);
}

}  // namespace

void hook_CSTimerViewController__updateTimerLabelView(Self& self) {
  TweakState& state = tweakState();
  state.kept.CSTimerViewController__updateTimerLabelView(self);
  if (!state.lockScreen.timerLabel) return;
  const ObjectRef timerView = objc::send<sig::Getter>(self, "timerView");
  showTimerText(objc::send<sig::Text>(timerView.get(), "string"));
}

void hook_SBLockScreenTimerView_updateTimerLabel(Self& self) {
  TweakState& state = tweakState();
  state.kept.SBLockScreenTimerView_updateTimerLabel(self);
  if (state.systemVersion < kTimerLabelVersion || !state.lockScreen.timerLabel) return;
  showTimerText(objc::send<sig::Text>(self, "string"));
}

void hook_CSTimerViewController__stopTimer(Self& self) {
  tweakState().kept.CSTimerViewController__stopTimer(self);
  stopTimerLabel();
}

void hook_SBLockScreenTimerViewController__stopTimer(Self& self) {
  tweakState().kept.SBLockScreenTimerViewController__stopTimer(self);
  stopTimerLabel();
}

// A model whose temperature has no whole part is no forecast yet: the last good one stands in.
void hook_WALockscreenWidgetViewController_setCurrentForecastModel_(Self& self, ObjectRef model) {
  TweakState& state = tweakState();
  if (model) {
    if (std::trunc(fahrenheitOf(model)) != 0) {
      state.lockScreen.savedModel = model;
      parseModel(model);
    } else if (state.lockScreen.savedModel) {
      parseModel(state.lockScreen.savedModel);
    }
  }
  state.kept.WALockscreenWidgetViewController_setCurrentForecastModel_(self, std::move(model));
}

void hook_WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_(
    Self& self, ObjectRef location, std::optional<std::string> error, std::function<void()> completion) {
  TweakState& state = tweakState();
  const bool failed = error.has_value();
  state.kept.WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_(self, std::move(location),
                                                                                         std::move(error), completion);
  if (!failed || state.systemVersion >= kRepeatedLocationUpdateVersion) return;
  if (ObjectRef known = objc::send<sig::Getter>(self, "location")) {
    state.kept.WATodayAutoupdatingLocationModel__locationUpdateCompleted_error_completion_(self, std::move(known),
                                                                                           std::nullopt, completion);
  }
}

void hook_WALockscreenWidgetViewController_todayModel_forecastWasUpdated_(Self& self, ObjectRef todayModel,
                                                                         ObjectRef forecast) {
  tweakState().kept.WALockscreenWidgetViewController_todayModel_forecastWasUpdated_(self, std::move(todayModel),
                                                                                   std::move(forecast));
}

}  // namespace vantile::integration
