#include "platform/ui/text/TextLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/PangoFonts.h"

namespace platform::ui {

using graphics::Color;

namespace {

guint16 colorChannel(double value) { return static_cast<guint16>(std::lround(std::clamp(value, 0.0, 1.0) * 65535)); }

void insertRange(PangoAttrList* list, PangoAttribute* attribute, std::size_t start, std::size_t end) {
  attribute->start_index = static_cast<guint>(start);
  attribute->end_index = static_cast<guint>(end);
  pango_attr_list_change(list, attribute);
}

PangoAttrList* attributesOf(const AttributedString& text, const TextLayout::Style& style) {
  PangoAttrList* list = pango_attr_list_new();
  for (const AttributedRun& run : text.runs()) {
    const std::size_t start = text.byteOffset(run.range.location);
    const std::size_t end = text.byteOffset(run.range.location + std::min(run.range.length, SIZE_MAX - run.range.location));
    if (end <= start) continue;
    const TextAttributes& attributes = run.attributes;
    if (attributes.font) {
      const graphics::PangoFontDescriptionHandle description = graphics::fontDescriptionFor(*attributes.font);
      insertRange(list, pango_attr_font_desc_new(description.get()), start, end);
    }
    if (attributes.color && style.colorAlpha) {
      const Color& color = *attributes.color;
      insertRange(list, pango_attr_foreground_new(colorChannel(color.red), colorChannel(color.green),
                                                  colorChannel(color.blue)),
                  start, end);
      insertRange(list, pango_attr_foreground_alpha_new(std::max<guint16>(1, colorChannel(color.alpha * *style.colorAlpha))),
                  start, end);
    }
    if (attributes.kerning && std::isfinite(*attributes.kerning)) {
      const double spacing = std::clamp(*attributes.kerning * PANGO_SCALE, double(INT_MIN / 2), double(INT_MAX / 2));
      insertRange(list, pango_attr_letter_spacing_new(static_cast<int>(spacing)), start, end);
    }
  }
  return list;
}

PangoAlignment pangoAlignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::center:
      return PANGO_ALIGN_CENTER;
    case TextAlignment::right:
      return PANGO_ALIGN_RIGHT;
    case TextAlignment::left:
    case TextAlignment::justified:
    case TextAlignment::natural:
      break;
  }
  return PANGO_ALIGN_LEFT;
}

}  // namespace

TextLayout::TextLayout(PangoContext* context, const AttributedString& text, const Style& style, const Limits& limits)
    : layout_(pango_layout_new(context)) {
  PangoLayout* layout = layout_.get();
  const graphics::PangoFontDescriptionHandle description = graphics::fontDescriptionFor(style.font);
  pango_layout_set_font_description(layout, description.get());

  const std::string& utf8 = text.text();
  const auto length = static_cast<int>(std::min<std::size_t>(utf8.size(), INT_MAX));
  if (g_utf8_validate_len(utf8.data(), length, nullptr)) {
    pango_layout_set_text(layout, utf8.data(), length);
    PangoAttrList* attributes = attributesOf(text, style);
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
  } else {
    // The byte ranges of the runs no longer hold once invalid bytes are replaced.
    foundation::systemLog("TextLayout: text is not valid UTF-8; drawing it without its attributes");
    const graphics::GCharHandle valid(g_utf8_make_valid(utf8.data(), length));
    pango_layout_set_text(layout, valid.get(), -1);
  }

  // Explicit sides stay put in right-to-left text; natural follows it.
  pango_layout_set_auto_dir(layout, style.alignment == TextAlignment::natural ||
                                        style.alignment == TextAlignment::justified);
  pango_layout_set_alignment(layout, pangoAlignment(style.alignment));
  pango_layout_set_justify(layout, style.alignment == TextAlignment::justified);

  if (limits.width && std::isfinite(*limits.width) && *limits.width >= 0) {
    pango_layout_set_width(layout, static_cast<int>(std::min(*limits.width * PANGO_SCALE, double(INT_MAX))));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    if (limits.maxLines > 0) {
      pango_layout_set_height(layout, -limits.maxLines);
      pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    }
  }
}

graphics::Size TextLayout::size() const {
  PangoRectangle logical{};
  pango_layout_get_extents(layout_.get(), nullptr, &logical);
  return {logical.width / double(PANGO_SCALE), logical.height / double(PANGO_SCALE)};
}

}  // namespace platform::ui
