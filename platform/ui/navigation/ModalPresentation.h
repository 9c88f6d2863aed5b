#pragma once

#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/ui/views/EdgeInsets.h"

namespace platform::ui {

class View;

enum class ModalPresentationStyle {
  // Covers the whole window.
  fullScreen,
  // A sheet over a dimmed window: centred on a large screen, the full width on a phone.
  formSheet,
};

namespace modal_presentation {

inline constexpr graphics::Size formSheetSize{540, 620};
// Left free above a phone's sheet, below the safe area, so the window behind still shows.
inline constexpr double phoneSheetTopGap = 10;

// Where a view presented in `style` goes in a window of `bounds` with that safe area.
graphics::Rect presentedFrame(ModalPresentationStyle style, const graphics::Rect& bounds, const EdgeInsets& safeArea);

// The dimmed layer behind a sheet, covering `bounds`; it takes the touches outside the
// sheet, so the window behind stays untouched while the sheet is shown. Nothing for
// styles without one.
std::shared_ptr<View> makeBackdrop(ModalPresentationStyle style, const graphics::Rect& bounds);

}  // namespace modal_presentation

}  // namespace platform::ui
