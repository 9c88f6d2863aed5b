#include "platform/ui/BlurView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/SystemLog.h"
#include "platform/ui/DrawingContext.h"

namespace platform::ui {

using graphics::Color;

namespace {

// The tint at full intensity.
Color fullTint(BlurStyle style) {
  switch (style) {
    case BlurStyle::extraLight:
      return {0.97, 0.97, 0.97, 0.8};
    case BlurStyle::light:
      return {1, 1, 1, 0.3};
    case BlurStyle::dark:
      return {0.11, 0.11, 0.11, 0.73};
    case BlurStyle::prominent:
      return {1, 1, 1, 0.55};
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
    : View(key, frame), contentView_(View::make(graphics::Rect{0, 0, frame.width(), frame.height()})), style_(style) {}

void BlurView::setIntensity(double intensity) {
  if (std::isnan(intensity)) {
    foundation::systemLog("BlurView: refusing an intensity that is not a number");
    return;
  }
  intensity_ = std::clamp(intensity, 0.0, 1.0);
}

Color BlurView::tint() const {
  Color tint = fullTint(style_);
  tint.alpha *= intensity_;
  return tint;
}

void BlurView::drawContent(DrawingContext& context) const {
  const graphics::Rect bounds = this->bounds();
  const double cornerRadius = layer()->presentationProperties().cornerRadius;
  context.blurBehind(bounds, cornerRadius, blurRadius());
  context.fillRoundedRect(bounds, cornerRadius, tint());
}

}  // namespace platform::ui
