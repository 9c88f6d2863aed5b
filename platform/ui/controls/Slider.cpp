#include "platform/ui/controls/Slider.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"

namespace platform::ui {

namespace {
constexpr double kTrackHeight = 4;
constexpr graphics::Color kTrackColor{0.47, 0.47, 0.50, 0.32};
}  // namespace

std::shared_ptr<Slider> Slider::make(const graphics::Rect& frame) {
  auto slider = std::make_shared<Slider>(ConstructionKey{}, frame);
  // Not in the constructor: a view has no shared owner there, so its parts would get no superview.
  for (const auto& part : {slider->track_, slider->fill_, slider->thumb_}) slider->addSubview(part);
  std::weak_ptr<Slider> weak = slider;
  const auto follow = [weak](GestureRecognizer& recognizer) {
    if (const auto self = weak.lock()) self->trackTouch(recognizer);
  };
  slider->addGestureRecognizer(PanGestureRecognizer::make(follow));
  slider->addGestureRecognizer(TapGestureRecognizer::make(follow));
  return slider;
}

Slider::Slider(ConstructionKey key, const graphics::Rect& frame)
    : Control(key, frame), track_(View::make()), fill_(View::make()), thumb_(View::make()) {
  track_->setBackgroundColor(kTrackColor);
  track_->layer()->setCornerRadius(kTrackHeight / 2);
  fill_->layer()->setCornerRadius(kTrackHeight / 2);
  thumb_->setBounds({0, 0, thumbSide, thumbSide});
  thumb_->setBackgroundColor(graphics::Color{1, 1, 1, 1});
  thumb_->layer()->setCornerRadius(thumbSide / 2);
  thumb_->layer()->setShadowColor(graphics::Color{0, 0, 0, 1});
  thumb_->layer()->setShadowOpacity(0.25);
  thumb_->layer()->setShadowOffset({0, 2});
  thumb_->layer()->setShadowRadius(2);
  for (const auto& part : {track_, fill_, thumb_}) part->setUserInteractionEnabled(false);
  placeParts();
}

void Slider::setMinimumValue(double value) {
  if (!std::isfinite(value)) return;
  minimum_ = value;
  maximum_ = std::max(maximum_, minimum_);
  setValue(value_);
}

void Slider::setMaximumValue(double value) {
  if (!std::isfinite(value)) return;
  maximum_ = std::max(value, minimum_);
  setValue(value_);
}

void Slider::setValue(double value, bool animated) {
  if (std::isnan(value)) {
    foundation::systemLog("Slider: ignored a value that is not a number");
    return;
  }
  value_ = std::clamp(value, minimum_, maximum_);
  if (animated) {
    View::animate(0.2, 0, {}, [this] { placeParts(); });
  } else {
    View::performWithoutAnimation([this] { placeParts(); });
  }
}

double Slider::valueForX(double x) const {
  const double usable = bounds().width() - thumbSide;
  if (usable <= 0) return minimum_;
  const double fraction = std::clamp((x - thumbSide / 2) / usable, 0.0, 1.0);
  return minimum_ + fraction * (maximum_ - minimum_);
}

void Slider::trackTouch(GestureRecognizer& recognizer) {
  using State = GestureRecognizer::State;
  if (!isEnabled() || (recognizer.state() != State::began && recognizer.state() != State::changed &&
                       recognizer.state() != State::recognized)) {
    return;
  }
  const auto location = recognizer.locationInView(this);
  if (!location) return;
  const double before = value_;
  setValue(valueForX(location->x));
  if (value_ != before) sendValueChanged();
}

void Slider::layoutSubviews() { placeParts(); }

void Slider::placeParts() {
  const double width = bounds().width();
  const double midY = bounds().height() / 2;
  const double span = maximum_ - minimum_;
  const double fraction = span > 0 ? (value_ - minimum_) / span : 0;
  const double thumbX = thumbSide / 2 + fraction * std::max(0.0, width - thumbSide);
  track_->setFrame({0, midY - kTrackHeight / 2, width, kTrackHeight});
  fill_->setFrame({0, midY - kTrackHeight / 2, thumbX, kTrackHeight});
  fill_->setBackgroundColor(tintColor());
  thumb_->setCenter({thumbX, midY});
}

}  // namespace platform::ui
