#include <numbers>

#include "platform/graphics/PangoFonts.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/render/DrawingContext.h"
#include "platform/ui/text/TextLayout.h"

namespace platform::ui {

namespace {

constexpr graphics::Color kRoundedRectFill{1, 1, 1, 1};
constexpr graphics::Color kRoundedRectOutline{0.8, 0.8, 0.8, 1};
constexpr double kRoundedRectOutlineWidth = 0.5;
constexpr graphics::Color kPlaceholderColor{0.24, 0.24, 0.26, 0.3};
constexpr graphics::Color kClearButtonColor{0.78, 0.78, 0.8, 1};
// Each step of shrinking text to the width.
constexpr double kFontSizeStep = 0.5;

void drawRoundedRect(DrawingContext& context, const graphics::Rect& bounds, bool filled) {
  if (filled) context.fillRoundedRect(bounds, TextField::roundedRectCornerRadius, kRoundedRectFill);
  const double half = kRoundedRectOutlineWidth / 2;
  const graphics::Rect outline{bounds.x() + half, bounds.y() + half, bounds.width() - 2 * half,
                               bounds.height() - 2 * half};
  cairo_t* cairo = context.cairo();
  cairo_new_path(cairo);
  context.addRoundedRect(outline, TextField::roundedRectCornerRadius - half, kRoundedRectOutlineWidth);
  context.setSourceColor(kRoundedRectOutline);
  cairo_set_line_width(cairo, kRoundedRectOutlineWidth);
  cairo_stroke(cairo);
}

void drawClearButton(DrawingContext& context, const graphics::Rect& rect) {
  cairo_t* cairo = context.cairo();
  cairo_new_path(cairo);
  cairo_arc(cairo, rect.x() + rect.width() / 2, rect.y() + rect.height() / 2, rect.width() / 2, 0,
            2 * std::numbers::pi);
  context.setSourceColor(kClearButtonColor);
  cairo_fill(cairo);
}

}  // namespace

void TextField::drawContent(DrawingContext& context) const {
  const graphics::Rect bounds = this->bounds();
  if (borderStyle_ == BorderStyle::roundedRect) drawRoundedRect(context, bounds, !backgroundColor());
  if (isClearButtonShown()) drawClearButton(context, clearButtonRect());

  const bool showsText = !text_.empty();
  const std::string& shown = showsText ? text_ : placeholder_;
  const graphics::Rect area = textRect();
  if (shown.empty() || area.width() <= 0) return;
  cairo_t* cairo = context.cairo();
  auto lock = graphics::lockFonts();
  const graphics::PangoContextHandle pango = graphics::createPangoContext();
  pango_cairo_update_context(cairo, pango.get());

  graphics::Font font = font_;
  const AttributedString content(shown);
  const TextLayout::Limits limits{area.width(), 1};
  if (showsText && adjustsFontSizeToFitWidth_) {
    while (font.pointSize - kFontSizeStep >= minimumFontSize_ &&
           TextLayout(pango.get(), content, {font, textAlignment_, std::nullopt}, {}).size().width > area.width()) {
      font.pointSize -= kFontSizeStep;
    }
  }
  const TextLayout layout(pango.get(), content, {font, textAlignment_, context.alpha()}, limits);
  const double top = area.y() + (area.height() - layout.size().height) / 2;
  if (context.reachesFar({area.x(), top, 0, 0})) return;
  cairo_save(cairo);
  cairo_rectangle(cairo, area.x(), area.y(), area.width(), area.height());
  cairo_clip(cairo);
  cairo_move_to(cairo, area.x(), top);
  context.setSourceColor(showsText ? textColor_ : kPlaceholderColor);
  pango_cairo_show_layout(cairo, layout.get());
  cairo_restore(cairo);
}

}  // namespace platform::ui
