#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/views/View.h"

namespace platform::ui {

// A view the user changes a value with. It tells its actions when the user has changed the
// value (never when code sets it), in the order they were added.
class Control : public View {
 public:
  using Action = std::function<void(Control&)>;

  Control(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

  std::string_view className() const override { return "Control"; }

  void addValueChangedAction(Action action) { valueChangedActions_.push_back(std::move(action)); }

  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

 protected:
  void sendValueChanged();

 private:
  std::vector<Action> valueChangedActions_;
  bool enabled_ = true;
};

}  // namespace platform::ui
