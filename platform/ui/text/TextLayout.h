#pragma once

#include <optional>

#include "platform/graphics/Color.h"
#include "platform/graphics/FontHandles.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/AttributedString.h"
#include "platform/ui/text/TextAlignment.h"

namespace platform::ui {

// A Pango layout of attributed text as a label sets it. Callers hold graphics::lockFonts().
class TextLayout {
 public:
  struct Style {
    graphics::Font font;
    TextAlignment alignment = TextAlignment::natural;
    // Multiplies the runs' colours; nothing leaves the runs uncoloured (a shadow is drawn
    // in one colour).
    std::optional<double> colorAlpha = 1;
  };
  struct Limits {
    // Nothing: no wrapping, each paragraph on one line.
    std::optional<double> width;
    // 0 is unlimited; otherwise the last line shown ends with an ellipsis when text is cut.
    // Pango counts the lines of each paragraph on its own.
    int maxLines = 0;
  };

  TextLayout(PangoContext* context, const AttributedString& text, const Style& style, const Limits& limits);

  PangoLayout* get() const { return layout_.get(); }
  // The size of the laid-out lines.
  graphics::Size size() const;

 private:
  graphics::PangoLayoutHandle layout_;
};

}  // namespace platform::ui
