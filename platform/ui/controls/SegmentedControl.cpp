#include "platform/ui/controls/SegmentedControl.h"

#include <cmath>

#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"

namespace platform::ui {

namespace {
constexpr graphics::Color kDefaultBackground{0.46, 0.46, 0.50, 0.24};
constexpr double kInset = 2;
constexpr double kCornerRadius = 8;
constexpr double kTitleSize = 13;
}  // namespace

std::shared_ptr<SegmentedControl> SegmentedControl::make(std::vector<std::string> items, const graphics::Rect& frame) {
  auto control = std::make_shared<SegmentedControl>(ConstructionKey{}, std::move(items), frame);
  // Not in the constructor: a view has no shared owner there, so its parts would get no superview.
  control->addSubview(control->highlight_);
  for (const auto& title : control->titles_) control->addSubview(title);
  std::weak_ptr<SegmentedControl> weak = control;
  control->addGestureRecognizer(TapGestureRecognizer::make([weak](GestureRecognizer& tap) {
    const auto self = weak.lock();
    if (!self || !self->isEnabled() || tap.state() != GestureRecognizer::State::recognized) return;
    const auto location = tap.locationInView(self.get());
    if (!location) return;
    const auto segment = self->segmentAt(location->x);
    if (!segment || *segment == self->selected_) return;
    self->setSelectedSegmentIndex(*segment);
    self->sendValueChanged();
  }));
  return control;
}

SegmentedControl::SegmentedControl(ConstructionKey key, std::vector<std::string> items, const graphics::Rect& frame)
    : Control(key, frame), items_(std::move(items)), highlight_(View::make()) {
  View::setBackgroundColor(kDefaultBackground);
  layer()->setCornerRadius(kCornerRadius);
  highlight_->layer()->setCornerRadius(kCornerRadius - kInset);
  highlight_->setUserInteractionEnabled(false);
  for (const auto& item : items_) {
    auto title = Label::make();
    title->setText(item);
    title->setFont(graphics::systemFont(kTitleSize));
    title->setTextAlignment(TextAlignment::center);
    title->setUserInteractionEnabled(false);
    titles_.push_back(std::move(title));
  }
  placeParts();
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
  selected_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
  placeParts();
}

std::optional<int> SegmentedControl::segmentAt(double x) const {
  const double width = bounds().width();
  if (items_.empty() || width <= 0 || x < 0 || x >= width) return std::nullopt;
  return static_cast<int>(std::floor(x / (width / static_cast<double>(items_.size()))));
}

void SegmentedControl::setSelectedSegmentTintColor(std::optional<graphics::Color> color) {
  selectedTint_ = color;
  placeParts();
}

void SegmentedControl::setBackgroundTint(std::optional<graphics::Color> color) {
  View::setBackgroundColor(color.value_or(kDefaultBackground));
}

void SegmentedControl::layoutSubviews() { placeParts(); }

void SegmentedControl::placeParts() {
  const double height = bounds().height();
  const double segmentWidth = items_.empty() ? 0 : bounds().width() / static_cast<double>(items_.size());
  for (std::size_t index = 0; index < titles_.size(); ++index) {
    titles_[index]->setFrame({segmentWidth * static_cast<double>(index), 0, segmentWidth, height});
    titles_[index]->setTextColor(static_cast<int>(index) == selected_ ? selectedTitle_ : normalTitle_);
  }
  highlight_->setHidden(selected_ < 0);
  highlight_->setBackgroundColor(selectedTint_.value_or(graphics::Color{1, 1, 1, 1}));
  if (selected_ >= 0) {
    highlight_->setFrame({segmentWidth * selected_ + kInset, kInset, segmentWidth - 2 * kInset, height - 2 * kInset});
  }
}

}  // namespace platform::ui
