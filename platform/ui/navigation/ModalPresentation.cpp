#include "platform/ui/navigation/ModalPresentation.h"

#include <algorithm>

#include "platform/ui/views/View.h"

namespace platform::ui::modal_presentation {

namespace {
// The centred sheet needs this much room around it; a narrower or shorter window is a phone's.
constexpr double kCentredSheetMargin = 20;
constexpr graphics::Color kBackdrop{0, 0, 0, 0.4};

graphics::Rect formSheetFrame(const graphics::Rect& bounds, const EdgeInsets& safeArea) {
  const bool centred = bounds.width() >= formSheetSize.width + 2 * kCentredSheetMargin &&
                       bounds.height() >= formSheetSize.height + 2 * kCentredSheetMargin;
  if (centred) {
    return {bounds.origin.x + (bounds.width() - formSheetSize.width) / 2,
            bounds.origin.y + (bounds.height() - formSheetSize.height) / 2, formSheetSize.width, formSheetSize.height};
  }
  const double top = std::min(bounds.height(), safeArea.top + phoneSheetTopGap);
  return {bounds.origin.x, bounds.origin.y + top, bounds.width(), bounds.height() - top};
}
}  // namespace

graphics::Rect presentedFrame(ModalPresentationStyle style, const graphics::Rect& bounds, const EdgeInsets& safeArea) {
  return style == ModalPresentationStyle::formSheet ? formSheetFrame(bounds, safeArea) : bounds;
}

std::shared_ptr<View> makeBackdrop(ModalPresentationStyle style, const graphics::Rect& bounds) {
  if (style != ModalPresentationStyle::formSheet) return nullptr;
  auto backdrop = View::make(bounds);
  backdrop->setBackgroundColor(kBackdrop);
  return backdrop;
}

}  // namespace platform::ui::modal_presentation
