#include "platform/ui/views/BlurView.h"

#include <cmath>

#include "platform/ui/render/DrawingContext.h"

namespace platform::ui {

using graphics::Color;

namespace {

constexpr const char* kGaussianBlur = "gaussianBlur";
constexpr const char* kInputRadius = "inputRadius";

Color tintOf(BlurStyle style) {
  switch (style) {
    case BlurStyle::extraLight:
      return {0.97, 0.97, 0.97, 0.8};
    case BlurStyle::light:
      return {1, 1, 1, 0.3};
    case BlurStyle::dark:
      return {0.11, 0.11, 0.11, 0.73};
    case BlurStyle::prominent:
      return {1, 1, 1, 0.55};
    case BlurStyle::ultraThinMaterialLight:
      return {1, 1, 1, 0.15};
    case BlurStyle::ultraThinMaterialDark:
      return {0.1, 0.1, 0.1, 0.4};
    case BlurStyle::regular:
      break;
  }
  return {1, 1, 1, 0.2};
}

}  // namespace

std::shared_ptr<BlurView> BlurView::make(BlurStyle style, const graphics::Rect& frame) {
  auto view = std::make_shared<BlurView>(ConstructionKey{}, frame, style);
  // A subview needs its superview in a shared_ptr already.
  view->addSubview(view->contentView_);
  return view;
}

BlurView::BlurView(ConstructionKey key, const graphics::Rect& frame, BlurStyle style)
    : View(key, frame), contentView_(View::make(graphics::Rect{0, 0, frame.width(), frame.height()})) {
  setEffect(BlurEffect{style});
}

void BlurView::setEffect(BlurEffect effect) {
  effect_ = effect;
  currentDescriptor_ = effectDescriptorForEffects({effect});
  applyRequestedFilterEffects();
}

EffectDescriptor BlurView::effectDescriptorForEffects(const std::vector<BlurEffect>& effects) {
  // Every style blurs alike; the styles differ in their tint.
  EffectDescriptor descriptor;
  descriptor.filterEntries.assign(effects.size(),
                                  FilterEntry{kGaussianBlur, Value{{kInputRadius, kDefaultBlurRadius}}});
  return descriptor;
}

void BlurView::applyRequestedFilterEffects() {
  backdropFilters_.clear();
  for (const FilterEntry& entry : currentDescriptor_.filterEntries) {
    backdropFilters_.push_back({entry.filterType, entry.requestedValues});
  }
}

double BlurView::blurRadius() const {
  for (const BackdropFilter& filter : backdropFilters_) {
    if (filter.type != kGaussianBlur) continue;
    if (!filter.values.is_object()) return 0;
    const auto radius = filter.values.find(kInputRadius);
    if (radius == filter.values.end() || !radius->is_number()) return 0;
    const double value = radius->get<double>();
    return std::isfinite(value) && value > 0 ? value : 0;
  }
  return 0;
}

Color BlurView::tint() const { return tintOf(effect_.style); }

void BlurView::drawContent(DrawingContext& context) const {
  const graphics::Rect bounds = this->bounds();
  const double cornerRadius = layer()->presentationProperties().cornerRadius;
  context.blurBehind(bounds, cornerRadius, blurRadius());
  context.fillRoundedRect(bounds, cornerRadius, tint());
}

void BlurView::layoutSubviews() { contentView_->setFrame(bounds()); }

}  // namespace platform::ui
