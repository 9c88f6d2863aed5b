#include "platform/ui/controls/Switch.h"

#include "platform/ui/gestures/TapGestureRecognizer.h"

namespace platform::ui {

namespace {
constexpr graphics::Color kOffTrack{0.47, 0.47, 0.50, 0.32};
constexpr double kKnobInset = 2;
}  // namespace

std::shared_ptr<Switch> Switch::make(graphics::Point origin) {
  auto control = std::make_shared<Switch>(ConstructionKey{}, origin);
  // Not in the constructor: a view has no shared owner there, so its parts would get no superview.
  control->addSubview(control->track_);
  control->addSubview(control->knob_);
  std::weak_ptr<Switch> weak = control;
  control->addGestureRecognizer(TapGestureRecognizer::make([weak](GestureRecognizer& tap) {
    const auto self = weak.lock();
    if (!self || !self->isEnabled() || tap.state() != GestureRecognizer::State::recognized) return;
    self->setOn(!self->isOn(), true);
    self->sendValueChanged();
  }));
  return control;
}

Switch::Switch(ConstructionKey key, graphics::Point origin)
    : Control(key, {origin.x, origin.y, size.width, size.height}),
      track_(View::make({0, 0, size.width, size.height})),
      knob_(View::make()) {
  track_->layer()->setCornerRadius(size.height / 2);
  track_->setUserInteractionEnabled(false);
  const double knobSide = size.height - 2 * kKnobInset;
  knob_->setBounds({0, 0, knobSide, knobSide});
  knob_->setBackgroundColor(graphics::Color{1, 1, 1, 1});
  knob_->layer()->setCornerRadius(knobSide / 2);
  knob_->setUserInteractionEnabled(false);
  placeParts();
}

void Switch::setOn(bool on, bool animated) {
  on_ = on;
  if (animated) {
    View::animate(toggleDuration, 0, {}, [this] { placeParts(); });
  } else {
    View::performWithoutAnimation([this] { placeParts(); });
  }
}

void Switch::setOnTintColor(std::optional<graphics::Color> color) {
  onTint_ = color;
  placeParts();
}

void Switch::layoutSubviews() { placeParts(); }

void Switch::placeParts() {
  const double knobSide = size.height - 2 * kKnobInset;
  track_->setBackgroundColor(on_ ? onTintColor() : kOffTrack);
  const double knobX = on_ ? size.width - kKnobInset - knobSide : kKnobInset;
  knob_->setCenter({knobX + knobSide / 2, size.height / 2});
}

}  // namespace platform::ui
