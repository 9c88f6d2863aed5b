#pragma once

#include <memory>
#include <optional>

#include "platform/graphics/Color.h"
#include "platform/ui/controls/Control.h"

namespace platform::ui {

// An on/off switch of the platform's fixed size, drawn as a rounded track with a knob. A tap
// flips it (animated) and tells the actions.
class Switch : public Control {
 public:
  static constexpr graphics::Size size{51, 31};
  static constexpr double toggleDuration = 0.25;

  // Only the origin of the frame counts: the size is fixed.
  static std::shared_ptr<Switch> make(graphics::Point origin = {});

  Switch(ConstructionKey key, graphics::Point origin);

  std::string_view className() const override { return "Switch"; }

  bool isOn() const { return on_; }
  void setOn(bool on, bool animated = false);

  // The track's colour when on; the system green unless set.
  graphics::Color onTintColor() const { return onTint_.value_or(graphics::Color{0.20, 0.78, 0.35, 1}); }
  void setOnTintColor(std::optional<graphics::Color> color);

 protected:
  void layoutSubviews() override;

 private:
  void placeParts();

  std::shared_ptr<View> track_;
  std::shared_ptr<View> knob_;
  std::optional<graphics::Color> onTint_;
  bool on_ = false;
};

}  // namespace platform::ui
