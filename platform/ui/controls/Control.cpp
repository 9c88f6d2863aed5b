#include "platform/ui/controls/Control.h"

namespace platform::ui {

void Control::sendValueChanged() {
  // An action may add actions or drop the control; run the ones there were, on a living control.
  const auto keepAlive = shared_from_this();
  const auto actions = valueChangedActions_;
  for (const auto& action : actions) {
    if (action) action(*this);
  }
}

}  // namespace platform::ui
