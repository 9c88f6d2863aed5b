#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace vantile {

// The system-wide readings of frame values and colour strings, and the small services the
// element builders, the theme controller and the editor share. Class operations only.
class VantileHelpers {
 public:
  VantileHelpers() = delete;

  // The parsed top-level dictionary or array of a file at a system path, or nothing when the
  // file is missing, unreadable or not valid JSON.
  static std::optional<platform::Value> JSONFromFile(std::string_view systemPath);

  // Appends "\nLog:<message>" to the shared log file, later, on the main queue. Safe from any thread.
  static void writeToLog(std::string message);

  // Registers a font file of the assets folder for this process; its PostScript name, or
  // nothing when the file is not a readable font.
  static std::optional<std::string> loadFontAndReturnFontName(std::string_view fileName);

  // "rgba(r, g, b, a)" (or "rgb(" with four parts); nothing for anything else.
  static std::optional<platform::graphics::Color> uiColorFromString(std::string_view text);

  // The point size whose system-font line is `height` points high, raised to a whole number.
  static double fontSizeFromHeight(double height);

  // Evaluates "math(...)"; 0 for an empty or faulty expression (a faulty one also logs).
  static std::int32_t doMathWithString(std::string_view text);

  // A copy of the frame dictionary with "screen_width", "view_width", "screen_height" and
  // "view_height" replaced by the reference size, in keys and values alike.
  static platform::Value replaceScreenHeightScreenWidth(const platform::Value& frame,
                                                        const platform::graphics::Rect& reference);

  // Resolves a frame dictionary against the reference size; whole-point results. Anything
  // that is not a dictionary reads as an empty one.
  static platform::graphics::Rect getRect(const platform::Value& frame, const platform::graphics::Rect& reference);
};

}  // namespace vantile
