#pragma once

#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/ui/views/View.h"
#include "hosts/common/scenario/ScenarioRunner.h"

namespace vantile::springboard {

// The SpringBoard stand-in as the host drives it: made with the device before the tweak is
// loaded (its classes must exist for the tweak to replace their operations), launched after,
// and carrying out the scenario's events through its own entry points.
class StandInSession : public hosts::ScenarioTarget {
 public:
  explicit StandInSession(platform::springboard::DeviceState device);

  void launch();

  const platform::ui::View& lockScreen() const { return *process_.lockScreenWindow(); }
  const platform::ui::View& homeScreen() const { return *process_.homeScreenWindow(); }

  void perform(const hosts::ScenarioEvent& event) override;

  // The screen in front ("lockscreen", "homescreen", "application"), the lock, the app in
  // front and the flashlight level, for the dump.
  platform::Value springBoardState() const;

  // Shows the screen in front once more, as someone looking at the phone after changing its
  // theme: the lock screen as after two presses of the power button, the home screen as after
  // the home button. A theme marked for rebuild is rebuilt there.
  void showFrontScreenAgain();

 private:
  void performWithPayload(const hosts::ScenarioEvent& event);

  platform::springboard::SpringBoardProcess process_;
};

}  // namespace vantile::springboard
