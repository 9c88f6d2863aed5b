#pragma once

#include <memory>

#include "HostOptions.h"
#include "HostSettings.h"
#include "ScreenComposition.h"
#include "platform/foundation/Value.h"
#include "platform/ui/views/Window.h"

namespace vantile::springboard {

// SpringBoard as the host plays it: one device folder, one screen, one manual clock, the
// lock screen and the home screen built by the theme controller from the applied themes.
class SpringBoardHost {
 public:
  explicit SpringBoardHost(HostOptions options);

  // Points the process at the device folder and screen, starts the clock at the chosen time,
  // reads the settings and builds both screens. False, with a message, when it cannot start.
  bool start();
  // Moves the clock on, running everything that falls due.
  void runClock(double seconds);
  // Writes the pictures and the dump the options ask for; false when one of them fails.
  bool writeOutputs() const;

  // start, run the clock for the options' seconds, write: the process's exit code.
  int run();

  const std::shared_ptr<platform::ui::Window>& lockScreen() const { return lockScreen_; }
  const std::shared_ptr<platform::ui::Window>& homeScreen() const { return homeScreen_; }
  const HostSettings& settings() const { return settings_; }
  platform::Value dump() const;

 private:
  std::shared_ptr<platform::ui::Window> buildScreen(const ScreenKind& kind, const std::string& themeFile) const;

  HostOptions options_;
  HostSettings settings_;
  std::shared_ptr<platform::ui::Window> lockScreen_;
  std::shared_ptr<platform::ui::Window> homeScreen_;
};

}  // namespace vantile::springboard
