#include "platform/ui/text/Label.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/graphics/PangoFonts.h"
#include "platform/ui/render/DrawingContext.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/text/TextLayout.h"

namespace platform::ui {

using graphics::Size;

namespace {

double roundUpToPixels(double points, double scale) { return std::ceil(points * scale - 1e-6) / scale; }

}  // namespace

std::shared_ptr<Label> Label::make(const graphics::Rect& frame) {
  return std::make_shared<Label>(ConstructionKey{}, frame);
}

Label::Label(ConstructionKey key, const graphics::Rect& frame, std::shared_ptr<Layer> layer)
    : View(key, frame, std::move(layer)) {}

void Label::setText(std::string text) {
  text_ = std::move(text);
  attributedText_.reset();
}

void Label::setAttributedText(std::optional<AttributedString> text) {
  text_ = text ? text->text() : std::string();
  attributedText_ = std::move(text);
}

AttributedString Label::content() const { return attributedText_ ? *attributedText_ : AttributedString(text_); }

Size Label::sizeThatFits(Size size) const {
  if (text_.empty()) return {};
  const bool bounded = std::isfinite(size.width) && size.width > 0;
  auto lock = graphics::lockFonts();
  const graphics::PangoContextHandle context = graphics::createPangoContext();
  const TextLayout layout(context.get(), content(), {font_, textAlignment_, std::nullopt},
                          {bounded ? std::optional(size.width) : std::nullopt, numberOfLines_});
  const Size fitted = layout.size();
  const double scale = Screen::mainScreen().scale();
  const double width = bounded ? std::min(fitted.width, size.width) : fitted.width;
  return {roundUpToPixels(width, scale), roundUpToPixels(fitted.height, scale)};
}

void Label::drawContent(DrawingContext& context) const {
  if (text_.empty()) return;
  const graphics::Rect bounds = this->bounds();
  cairo_t* cairo = context.cairo();
  auto lock = graphics::lockFonts();
  const graphics::PangoContextHandle pango = graphics::createPangoContext();
  pango_cairo_update_context(cairo, pango.get());

  // As many lines as the height holds (at least one), and no more than asked for.
  const graphics::PangoFontDescriptionHandle description = graphics::fontDescriptionFor(font_);
  const double lineHeight = graphics::lineMetrics(pango.get(), description.get()).height();
  const int fitting =
      lineHeight > 0
          ? static_cast<int>(std::clamp(std::floor(bounds.height() / lineHeight + 1e-3), 1.0, double(INT_MAX)))
          : 1;
  const int maxLines = numberOfLines_ == 0 ? fitting : std::min(numberOfLines_, fitting);
  const AttributedString text = content();
  const TextLayout::Limits limits{bounds.width(), maxLines};

  auto show = [&](const TextLayout& layout, graphics::Color color, graphics::Size offset) {
    const double top = bounds.y() + (bounds.height() - layout.size().height) / 2;
    // Text starting far off the target would wrap around onto it.
    if (context.reachesFar({bounds.x() + offset.width, top + offset.height, 0, 0})) return;
    cairo_move_to(cairo, bounds.x() + offset.width, top + offset.height);
    context.setSourceColor(color);
    pango_cairo_show_layout(cairo, layout.get());
  };
  if (shadowColor_) {
    show(TextLayout(pango.get(), text, {font_, textAlignment_, std::nullopt}, limits), *shadowColor_, shadowOffset_);
  }
  if (!textPattern_) {
    show(TextLayout(pango.get(), text, {font_, textAlignment_, context.alpha()}, limits), textColor_, {0, 0});
    return;
  }
  // The glyph outlines filled with the pattern, which repeats from the label's origin.
  const TextLayout layout(pango.get(), text, {font_, textAlignment_, std::nullopt}, limits);
  if (context.reachesFar({bounds.x(), bounds.y() + (bounds.height() - layout.size().height) / 2, 0, 0})) return;
  cairo_new_path(cairo);
  cairo_move_to(cairo, bounds.x(), bounds.y() + (bounds.height() - layout.size().height) / 2);
  pango_cairo_layout_path(cairo, layout.get());
  context.fillPathWithPattern(*textPattern_, bounds.origin);
  cairo_new_path(cairo);
}

}  // namespace platform::ui
