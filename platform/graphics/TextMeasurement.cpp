#include "platform/graphics/TextMeasurement.h"

#include "platform/graphics/FontHandles.h"
#include "platform/graphics/PangoFonts.h"

#include <climits>
#include <string>

namespace platform::graphics {
namespace {

// Pango takes UTF-8 only: invalid bytes (and NULs) become U+FFFD, as they would be drawn.
std::string validUtf8(std::string_view text) {
  if (text.size() > INT_MAX) text = text.substr(0, INT_MAX);
  auto length = static_cast<gssize>(text.size());
  if (g_utf8_validate_len(text.data(), length, nullptr)) return std::string(text);
  GCharHandle valid(g_utf8_make_valid(text.data(), length));
  return std::string(valid.get());
}

}  // namespace

Font systemFont(double pointSize) { return Font{"", pointSize}; }

Size measureText(std::string_view text, const Font& font) {
  auto lock = lockFonts();
  // One context for all measurements, on the process's font map; both live until the end.
  static PangoContext* const context = createPangoContext().release();

  PangoFontDescriptionHandle description = fontDescriptionFor(font);
  std::string valid = validUtf8(text);

  PangoLayoutHandle layout(pango_layout_new(context));
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  pango_layout_set_font_description(layout.get(), description.get());
  pango_layout_set_text(layout.get(), valid.data(), static_cast<int>(valid.size()));

  PangoRectangle logical{};
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  return Size{logical.width / double(PANGO_SCALE), lineMetrics(context, description.get()).height()};
}

}  // namespace platform::graphics
