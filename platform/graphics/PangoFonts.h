#pragma once

// The Pango side of the fonts, for code that lays out or draws text with Pango (text
// measurement, the renderer). Everything here uses the font map of FontRegistry::shared(),
// which knows the system font and the registered fonts and nothing else of the machine.

#include "platform/graphics/FontHandles.h"
#include "platform/graphics/TextMeasurement.h"

#include <pango/pangocairo.h>

#include <mutex>

namespace platform::graphics {

// Pango font maps and the objects made from them are not thread-safe. Code that uses them
// holds this lock (it is recursive, so the functions below may be called while holding it);
// the registry holds it while it registers a font.
[[nodiscard]] std::unique_lock<std::recursive_mutex> lockFonts();

// The process's font map (a PangoCairo font map on fontconfig, bound to the registry's own
// fontconfig configuration). It belongs to the registry and lives as long as the process.
PangoFontMap* fontMap();

// A new context on fontMap(), set up so that text measures the same wherever it is drawn:
// unhinted metrics, glyph positions not rounded to whole units, language "en". One unit of
// the context is one unit of our coordinate space; the renderer calls
// pango_cairo_update_context on it for its cairo context (the context's font options win over
// the surface's).
PangoContextHandle createPangoContext();

// The description of the font: its name resolved through fontconfig (PostScript name first,
// then family name) to a family, weight, style and stretch; the system font (Inter Regular)
// when the name is empty or unknown. The size is absolute: font.pointSize units per em.
PangoFontDescriptionHandle fontDescriptionFor(const Font& font);

// The vertical metrics of the font Pango picks for the description on the context, in units:
// the baseline lies ascent below the top of a line, and a line is ascent + descent high (as a
// one-line PangoLayout's logical rectangle is).
struct LineMetrics {
  double ascent = 0;
  double descent = 0;
  double height() const { return ascent + descent; }
};
LineMetrics lineMetrics(PangoContext* context, const PangoFontDescription* description);

}  // namespace platform::graphics
