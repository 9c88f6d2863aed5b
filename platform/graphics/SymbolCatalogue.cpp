#include "platform/graphics/SymbolCatalogue.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <numbers>
#include <string>

#include "platform/foundation/files/SystemLog.h"

namespace platform::graphics {

namespace {

struct CairoDeleter {
  void operator()(cairo_t* cairo) const noexcept { cairo_destroy(cairo); }
  void operator()(cairo_surface_t* surface) const noexcept { cairo_surface_destroy(surface); }
};
using CairoHandle = std::unique_ptr<cairo_t, CairoDeleter>;
using CairoSurfaceHandle = std::unique_ptr<cairo_surface_t, CairoDeleter>;

constexpr double kPi = std::numbers::pi;

// Glyphs draw in a unit square (0...1 both ways, y down), with `stroke` as the line width of
// the weight in unit lengths.
using GlyphDrawing = void (*)(cairo_t* cairo, double stroke);

// Fills the current path and strokes its outline, so heavier weights give fatter shapes.
void fillBold(cairo_t* cairo, double stroke) {
  cairo_set_line_width(cairo, stroke);
  cairo_fill_preserve(cairo);
  cairo_stroke(cairo);
}

void strokeRound(cairo_t* cairo, double stroke) {
  cairo_set_line_width(cairo, stroke);
  cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cairo);
}

void roundedRectangle(cairo_t* cairo, double x, double y, double width, double height, double radius) {
  cairo_new_sub_path(cairo);
  cairo_arc(cairo, x + width - radius, y + radius, radius, -kPi / 2, 0);
  cairo_arc(cairo, x + width - radius, y + height - radius, radius, 0, kPi / 2);
  cairo_arc(cairo, x + radius, y + height - radius, radius, kPi / 2, kPi);
  cairo_arc(cairo, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cairo);
}

void polygon(cairo_t* cairo, std::initializer_list<std::pair<double, double>> points) {
  bool first = true;
  for (const auto& [x, y] : points) {
    first ? cairo_move_to(cairo, x, y) : cairo_line_to(cairo, x, y);
    first = false;
  }
  cairo_close_path(cairo);
}

void drawChevronRight(cairo_t* cairo, double stroke) {
  cairo_move_to(cairo, 0.36, 0.14);
  cairo_line_to(cairo, 0.7, 0.5);
  cairo_line_to(cairo, 0.36, 0.86);
  cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
  strokeRound(cairo, stroke * 2);
}

void drawCircle(cairo_t* cairo, double stroke) {
  cairo_arc(cairo, 0.5, 0.5, 0.38, 0, 2 * kPi);
  fillBold(cairo, stroke);
}

void drawHeart(cairo_t* cairo, double stroke) {
  cairo_move_to(cairo, 0.5, 0.86);
  cairo_curve_to(cairo, 0.2, 0.64, 0.1, 0.5, 0.1, 0.36);
  cairo_arc(cairo, 0.3, 0.34, 0.2, kPi, 2 * kPi);
  cairo_arc(cairo, 0.7, 0.34, 0.2, kPi, 2 * kPi);
  cairo_curve_to(cairo, 0.9, 0.5, 0.8, 0.64, 0.5, 0.86);
  cairo_close_path(cairo);
  fillBold(cairo, stroke);
}

void drawStar(cairo_t* cairo, double stroke) {
  for (int point = 0; point < 10; ++point) {
    const double radius = point % 2 == 0 ? 0.42 : 0.17;
    const double angle = -kPi / 2 + point * kPi / 5;
    const double x = 0.5 + radius * std::cos(angle);
    const double y = 0.54 + radius * std::sin(angle);
    point == 0 ? cairo_move_to(cairo, x, y) : cairo_line_to(cairo, x, y);
  }
  cairo_close_path(cairo);
  fillBold(cairo, stroke);
}

void drawFullBattery(cairo_t* cairo, double stroke) {
  roundedRectangle(cairo, 0.06, 0.3, 0.78, 0.4, 0.08);
  cairo_set_line_width(cairo, stroke);
  cairo_stroke(cairo);
  // A constant gap inside the outline, so the charge shrinks only as much as the outline grows inward.
  const double inset = stroke / 2 + 0.05;
  roundedRectangle(cairo, 0.06 + inset, 0.3 + inset, 0.78 - 2 * inset, 0.4 - 2 * inset, 0.03);
  cairo_fill(cairo);
  roundedRectangle(cairo, 0.87, 0.42, 0.06, 0.16, 0.03);
  cairo_fill(cairo);
}

void drawWiFi(cairo_t* cairo, double stroke) {
  const double centreX = 0.5;
  const double centreY = 0.78;
  for (const double radius : {0.22, 0.42, 0.62}) {
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, centreX, centreY, radius, -3 * kPi / 4, -kPi / 4);
  }
  strokeRound(cairo, stroke * 1.6);
  cairo_arc(cairo, centreX, centreY, 0.07 + stroke / 2, 0, 2 * kPi);
  cairo_fill(cairo);
}

void drawBolt(cairo_t* cairo, double stroke) {
  polygon(cairo, {{0.58, 0.06}, {0.2, 0.56}, {0.47, 0.56}, {0.4, 0.94}, {0.8, 0.42}, {0.53, 0.42}});
  fillBold(cairo, stroke);
}

void drawMusicNote(cairo_t* cairo, double stroke) {
  cairo_save(cairo);
  cairo_translate(cairo, 0.36, 0.76);
  cairo_scale(cairo, 1.0, 0.75);
  cairo_arc(cairo, 0, 0, 0.15, 0, 2 * kPi);
  cairo_restore(cairo);
  fillBold(cairo, stroke);
  cairo_move_to(cairo, 0.5, 0.76);
  cairo_line_to(cairo, 0.5, 0.12);
  cairo_curve_to(cairo, 0.62, 0.22, 0.78, 0.26, 0.78, 0.44);
  strokeRound(cairo, stroke * 1.4);
}

void drawPlay(cairo_t* cairo, double stroke) {
  polygon(cairo, {{0.26, 0.14}, {0.84, 0.5}, {0.26, 0.86}});
  cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
  fillBold(cairo, stroke);
}

void drawPause(cairo_t* cairo, double stroke) {
  roundedRectangle(cairo, 0.22, 0.14, 0.2, 0.72, 0.05);
  roundedRectangle(cairo, 0.58, 0.14, 0.2, 0.72, 0.05);
  fillBold(cairo, stroke);
}

void drawCloud(cairo_t* cairo, double stroke) {
  cairo_new_sub_path(cairo);
  cairo_arc(cairo, 0.3, 0.58, 0.16, 0, 2 * kPi);
  cairo_new_sub_path(cairo);
  cairo_arc(cairo, 0.52, 0.46, 0.22, 0, 2 * kPi);
  cairo_new_sub_path(cairo);
  cairo_arc(cairo, 0.72, 0.6, 0.14, 0, 2 * kPi);
  roundedRectangle(cairo, 0.14, 0.56, 0.72, 0.18, 0.09);
  cairo_set_fill_rule(cairo, CAIRO_FILL_RULE_WINDING);
  cairo_fill(cairo);
  // Only the outer edge thickens: the union is filled again with the stroke's width.
  cairo_arc(cairo, 0.52, 0.46, 0.22 + stroke / 2, 0, 2 * kPi);
  cairo_fill(cairo);
}

void drawSun(cairo_t* cairo, double stroke) {
  cairo_arc(cairo, 0.5, 0.5, 0.2, 0, 2 * kPi);
  fillBold(cairo, stroke);
  for (int ray = 0; ray < 8; ++ray) {
    const double angle = ray * kPi / 4;
    cairo_move_to(cairo, 0.5 + 0.3 * std::cos(angle), 0.5 + 0.3 * std::sin(angle));
    cairo_line_to(cairo, 0.5 + 0.44 * std::cos(angle), 0.5 + 0.44 * std::sin(angle));
  }
  strokeRound(cairo, stroke * 1.4);
}

const std::map<std::string_view, GlyphDrawing>& catalogue() {
  static const std::map<std::string_view, GlyphDrawing> glyphs = {
      {"battery.100", drawFullBattery}, {"bolt.fill", drawBolt},         {"chevron.right", drawChevronRight},
      {"circle.fill", drawCircle},      {"cloud.fill", drawCloud},       {"heart.fill", drawHeart},
      {"music.note", drawMusicNote},    {"pause.fill", drawPause},       {"play.fill", drawPlay},
      {"star.fill", drawStar},          {"sun.max.fill", drawSun},       {"wifi", drawWiFi},
  };
  return glyphs;
}

double scaleFactor(SymbolScale scale) {
  switch (scale) {
    case SymbolScale::small:
      return 0.8;
    case SymbolScale::large:
      return 4.0 / 3.0;
    case SymbolScale::unspecified:
    case SymbolScale::medium:
      break;
  }
  return 1.0;
}

// Line width in unit lengths: regular 0.06, each step of weight 0.012 more or less.
double strokeWidth(SymbolWeight weight) {
  const int steps =
      weight == SymbolWeight::unspecified ? 0 : static_cast<int>(weight) - static_cast<int>(SymbolWeight::regular);
  return std::clamp(0.06 + 0.012 * steps, 0.012, 0.2);
}

std::optional<Image> imageOfSurface(cairo_surface_t* surface, int side, double pixelsPerPoint) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int row = 0; row < side; ++row) {
    std::memcpy(pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(side),
                data + static_cast<std::ptrdiff_t>(row) * stride, static_cast<std::size_t>(side) * 4);
  }
  return Image::fromPremultipliedARGB(side, side, std::move(pixels), pixelsPerPoint);
}

}  // namespace

std::optional<Image> systemSymbol(std::string_view name, const SymbolConfiguration& configuration,
                                  double pixelsPerPoint) {
  const auto glyph = catalogue().find(name);
  if (glyph == catalogue().end()) {
    return std::nullopt;
  }
  const double sidePixels = configuration.pointSize * scaleFactor(configuration.scale) * pixelsPerPoint;
  if (!(configuration.pointSize > 0) || !(pixelsPerPoint > 0) || !std::isfinite(sidePixels) ||
      sidePixels > Image::kMaximumPixelCount) {
    foundation::systemLog("Symbol " + std::string(name) + ": unusable size");
    return std::nullopt;
  }
  const int side = std::max(1, static_cast<int>(std::lround(sidePixels)));
  if (!isAcceptableImageSize(side, side, "Symbol")) {
    return std::nullopt;
  }
  const CairoSurfaceHandle surface{cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side)};
  const CairoHandle cairo{cairo_create(surface.get())};
  cairo_scale(cairo.get(), side, side);
  cairo_set_source_rgba(cairo.get(), 0, 0, 0, 1);
  glyph->second(cairo.get(), strokeWidth(configuration.weight));
  if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
    foundation::systemLog("Symbol " + std::string(name) + ": " + cairo_status_to_string(cairo_status(cairo.get())));
    return std::nullopt;
  }
  return imageOfSurface(surface.get(), side, pixelsPerPoint);
}

std::vector<std::string_view> systemSymbolNames() {
  std::vector<std::string_view> names;
  for (const auto& entry : catalogue()) {
    names.push_back(entry.first);
  }
  return names;
}

}  // namespace platform::graphics
