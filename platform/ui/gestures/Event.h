#pragma once

#include <vector>

#include "platform/ui/gestures/Touch.h"

namespace platform::ui {

// A physical button press inside an event: its kind (the platform's own numbering) and force.
struct Press {
  long type = 0;
  double force = 0;
};

// What hit tests and button handlers receive with a touch or a press: when it happened, in
// seconds of system uptime (double, so a throttle of a fraction of a second still holds after
// weeks of uptime), and the touches and presses it carries.
struct Event {
  double timestamp = 0;
  std::vector<Touch> touches;
  std::vector<Press> presses;
};

}  // namespace platform::ui
