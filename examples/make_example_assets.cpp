// Draws the pictures of the example device folder with Cairo and writes them as PNG through
// the platform: wallpapers, a weather icon set (one picture per condition code 0 to 48), an
// analog clock face and hands, the images the example themes name, the app icons and the
// album artwork device.json names, the theme editor's icons, the pictures of the weather
// animations and a charging sequence.
//
//   make_example_assets <device folder>

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/files/Files.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/render/CairoHandles.h"

namespace {

namespace fs = std::filesystem;
using platform::ui::CairoHandle;
using platform::ui::CairoPatternHandle;
using platform::ui::CairoSurfaceHandle;

constexpr double kPi = std::numbers::pi;

struct Rgba {
  double r, g, b, a = 1;
};

void setColour(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

// Draws on a transparent canvas of width × height pixels and writes it as a PNG.
bool drawPicture(const fs::path& file, int width, int height, const std::function<void(cairo_t*)>& draw) {
  CairoSurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  {
    CairoHandle cr(cairo_create(surface.get()));
    draw(cr.get());
  }
  cairo_surface_flush(surface.get());
  const auto* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    std::copy(row, row + width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  const auto image = platform::graphics::Image::fromPremultipliedARGB(width, height, std::move(pixels));
  const auto png = image ? platform::graphics::encodePNG(*image) : std::nullopt;
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  if (!png || !platform::foundation::writeFileAtomically(file, *png)) {
    std::fprintf(stderr, "make_example_assets: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

// --- Wallpapers ---

void drawWallpaper(cairo_t* cr, int width, int height, Rgba top, Rgba bottom, Rgba hills, bool stars) {
  CairoPatternHandle sky(cairo_pattern_create_linear(0, 0, 0, height));
  cairo_pattern_add_color_stop_rgb(sky.get(), 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(sky.get(), 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, sky.get());
  cairo_paint(cr);
  if (stars) {
    // A fixed scatter, so every run draws the same sky.
    unsigned seed = 7;
    const auto next = [&seed] {
      seed = seed * 1103515245u + 12345u;
      return static_cast<double>((seed >> 8) & 0xFFFF) / 65535.0;
    };
    for (int i = 0; i < 90; ++i) {
      const double x = next() * width;
      const double y = next() * height * 0.55;
      cairo_set_source_rgba(cr, 1, 1, 1, 0.25 + 0.6 * next());
      cairo_arc(cr, x, y, 0.8 + 1.6 * next(), 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  for (int layer = 0; layer < 2; ++layer) {
    const double base = height * (0.72 + 0.1 * layer);
    cairo_move_to(cr, 0, height);
    cairo_line_to(cr, 0, base);
    for (int x = 0; x <= width; x += 10) {
      const double phase = x / static_cast<double>(width) * 2 * kPi;
      cairo_line_to(cr, x, base - height * 0.05 * std::sin(phase * (1.5 + layer) + layer * 1.3));
    }
    cairo_line_to(cr, width, height);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, hills.r, hills.g, hills.b, 0.55 + 0.35 * layer);
    cairo_fill(cr);
  }
}

// --- Weather glyphs, drawn in a unit square ---

constexpr Rgba kSun{1.0, 0.78, 0.22};
constexpr Rgba kMoon{0.93, 0.93, 0.85};
constexpr Rgba kCloud{0.95, 0.96, 0.98};
constexpr Rgba kDarkCloud{0.62, 0.66, 0.74};
constexpr Rgba kRain{0.35, 0.65, 1.0};
constexpr Rgba kSnow{1, 1, 1};
constexpr Rgba kBolt{1.0, 0.86, 0.1};
constexpr Rgba kMist{0.85, 0.87, 0.9, 0.9};

void sun(cairo_t* cr, double cx, double cy, double r, Rgba colour = kSun) {
  setColour(cr, colour);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_line_width(cr, r * 0.22);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 8; ++i) {
    const double angle = i * kPi / 4;
    cairo_move_to(cr, cx + std::cos(angle) * r * 1.35, cy + std::sin(angle) * r * 1.35);
    cairo_line_to(cr, cx + std::cos(angle) * r * 1.75, cy + std::sin(angle) * r * 1.75);
  }
  cairo_stroke(cr);
}

void moon(cairo_t* cr, double cx, double cy, double r) {
  cairo_push_group(cr);
  setColour(cr, kMoon);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, cx + r * 0.45, cy - r * 0.3, r * 0.85, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void cloud(cairo_t* cr, double cx, double cy, double w, Rgba colour = kCloud) {
  setColour(cr, colour);
  cairo_arc(cr, cx - w * 0.25, cy + w * 0.05, w * 0.2, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, cx + w * 0.05, cy - w * 0.08, w * 0.28, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, cx + w * 0.3, cy + w * 0.06, w * 0.18, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_rectangle(cr, cx - w * 0.25, cy + w * 0.02, w * 0.55, w * 0.23);
  cairo_fill(cr);
}

void drops(cairo_t* cr, int count, Rgba colour = kRain) {
  setColour(cr, colour);
  cairo_set_line_width(cr, 0.05);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < count; ++i) {
    const double x = 0.3 + i * 0.4 / std::max(1, count - 1);
    cairo_move_to(cr, x, 0.7);
    cairo_line_to(cr, x - 0.05, 0.86);
  }
  cairo_stroke(cr);
}

void flakes(cairo_t* cr, int count) {
  setColour(cr, kSnow);
  for (int i = 0; i < count; ++i) {
    const double x = 0.3 + i * 0.4 / std::max(1, count - 1);
    const double y = 0.78 + (i % 2) * 0.07;
    cairo_arc(cr, x, y, 0.035, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void bolt(cairo_t* cr) {
  setColour(cr, kBolt);
  cairo_move_to(cr, 0.52, 0.58);
  cairo_line_to(cr, 0.4, 0.78);
  cairo_line_to(cr, 0.5, 0.78);
  cairo_line_to(cr, 0.44, 0.95);
  cairo_line_to(cr, 0.62, 0.72);
  cairo_line_to(cr, 0.52, 0.72);
  cairo_line_to(cr, 0.6, 0.58);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void streaks(cairo_t* cr, Rgba colour, bool curled) {
  setColour(cr, colour);
  cairo_set_line_width(cr, 0.055);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 3; ++i) {
    const double y = 0.35 + i * 0.15;
    const double start = 0.18 + (i % 2) * 0.08;
    cairo_move_to(cr, start, y);
    cairo_line_to(cr, 0.72 - (i % 2) * 0.1, y);
    if (curled) {
      cairo_arc_negative(cr, 0.72 - (i % 2) * 0.1, y - 0.06, 0.06, kPi / 2, -kPi / 2);
    }
    cairo_stroke(cr);
  }
}

void notAvailable(cairo_t* cr) {
  setColour(cr, kDarkCloud);
  cairo_set_line_width(cr, 0.07);
  cairo_arc(cr, 0.5, 0.5, 0.3, 0, 2 * kPi);
  cairo_move_to(cr, 0.29, 0.71);
  cairo_line_to(cr, 0.71, 0.29);
  cairo_stroke(cr);
}

void weatherGlyph(cairo_t* cr, int code) {
  const std::set<int> storms{0, 1, 2, 3, 4, 37, 38, 39, 45, 47};
  const std::set<int> rain{9, 11, 12, 40};
  const std::set<int> freezing{8, 10};
  const std::set<int> snow{13, 14, 15, 16, 41, 42, 43, 46};
  const std::set<int> mixed{5, 6, 7, 17, 18, 35};
  const std::set<int> mist{19, 20, 21, 22};
  if (storms.contains(code)) {
    cloud(cr, 0.5, 0.42, 0.7, kDarkCloud);
    bolt(cr);
    if (code >= 45) {
      drops(cr, 2);
    }
  } else if (rain.contains(code)) {
    cloud(cr, 0.5, 0.42, 0.7);
    drops(cr, code == 40 ? 2 : 3);
  } else if (freezing.contains(code)) {
    cloud(cr, 0.5, 0.42, 0.7);
    drops(cr, 3, Rgba{0.6, 0.85, 1.0});
  } else if (snow.contains(code)) {
    cloud(cr, 0.5, 0.42, 0.7);
    flakes(cr, code == 41 || code == 43 ? 4 : 3);
  } else if (mixed.contains(code)) {
    cloud(cr, 0.5, 0.42, 0.7);
    drops(cr, 2);
    flakes(cr, 2);
  } else if (mist.contains(code)) {
    streaks(cr, kMist, false);
  } else if (code == 23 || code == 24) {
    streaks(cr, kCloud, true);
  } else if (code == 25) {
    sun(cr, 0.5, 0.5, 0.18, Rgba{0.65, 0.85, 1.0});
  } else if (code == 36) {
    sun(cr, 0.5, 0.5, 0.22, Rgba{1.0, 0.45, 0.2});
  } else if (code == 26) {
    cloud(cr, 0.5, 0.5, 0.8);
  } else if (code == 27 || code == 29) {
    moon(cr, 0.38, 0.36, 0.2);
    cloud(cr, 0.56, 0.58, code == 27 ? 0.7 : 0.55);
  } else if (code == 28 || code == 30 || code == 44) {
    sun(cr, 0.38, 0.36, 0.14);
    cloud(cr, 0.56, 0.58, code == 28 ? 0.7 : 0.55);
  } else if (code == 31 || code == 33) {
    moon(cr, 0.5, 0.5, 0.28);
  } else if (code == 32 || code == 34) {
    sun(cr, 0.5, 0.5, code == 32 ? 0.2 : 0.17);
  } else {
    notAvailable(cr);
  }
}

// --- Analog clock ---

void clockFace(cairo_t* cr, double size) {
  const double c = size / 2;
  CairoPatternHandle dial(cairo_pattern_create_radial(c, c * 0.8, size * 0.05, c, c, c));
  cairo_pattern_add_color_stop_rgba(dial.get(), 0, 0.22, 0.26, 0.38, 0.85);
  cairo_pattern_add_color_stop_rgba(dial.get(), 1, 0.08, 0.09, 0.16, 0.85);
  cairo_set_source(cr, dial.get());
  cairo_arc(cr, c, c, c - size * 0.01, 0, 2 * kPi);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, size * 0.012);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 60; ++i) {
    const double angle = i * kPi / 30;
    const bool hour = i % 5 == 0;
    const double outer = c * 0.9;
    const double inner = c * (hour ? 0.76 : 0.85);
    cairo_set_source_rgba(cr, 1, 1, 1, hour ? 0.95 : 0.45);
    cairo_set_line_width(cr, size * (hour ? 0.018 : 0.006));
    cairo_move_to(cr, c + std::sin(angle) * inner, c - std::cos(angle) * inner);
    cairo_line_to(cr, c + std::sin(angle) * outer, c - std::cos(angle) * outer);
    cairo_stroke(cr);
  }
}

// A hand picture: the pivot a tenth of the way down, the tip at the bottom edge (the clock
// turns it half a turn, so the tip points at the hour).
void clockHand(cairo_t* cr, int width, int height, Rgba colour, bool withCounterweight) {
  const double pivotY = height * 0.1;
  const double half = width / 2.0;
  setColour(cr, colour);
  cairo_move_to(cr, half - half * 0.55, 0);
  cairo_line_to(cr, half + half * 0.55, 0);
  cairo_line_to(cr, half + half * 0.8, pivotY);
  cairo_line_to(cr, half + half * 0.35, height);
  cairo_line_to(cr, half - half * 0.35, height);
  cairo_line_to(cr, half - half * 0.8, pivotY);
  cairo_close_path(cr);
  cairo_fill(cr);
  if (withCounterweight) {
    cairo_arc(cr, half, pivotY, half, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

// --- Theme images ---

void aurora(cairo_t* cr, int width, int height) {
  CairoPatternHandle sky(cairo_pattern_create_linear(0, 0, 0, height));
  cairo_pattern_add_color_stop_rgb(sky.get(), 0, 0.05, 0.08, 0.2);
  cairo_pattern_add_color_stop_rgb(sky.get(), 1, 0.12, 0.25, 0.35);
  cairo_set_source(cr, sky.get());
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_fill(cr);
  for (int band = 0; band < 3; ++band) {
    CairoPatternHandle glow(cairo_pattern_create_linear(0, 0, width, 0));
    cairo_pattern_add_color_stop_rgba(glow.get(), 0, 0.2, 1.0, 0.6, 0);
    cairo_pattern_add_color_stop_rgba(glow.get(), 0.5, 0.3 + 0.2 * band, 1.0, 0.7, 0.55);
    cairo_pattern_add_color_stop_rgba(glow.get(), 1, 0.5, 0.4, 1.0, 0);
    cairo_set_source(cr, glow.get());
    cairo_set_line_width(cr, height * 0.08);
    cairo_move_to(cr, 0, height * (0.3 + 0.12 * band));
    cairo_curve_to(cr, width * 0.3, height * (0.1 + 0.1 * band), width * 0.6, height * (0.55 + 0.05 * band), width,
                   height * (0.25 + 0.1 * band));
    cairo_stroke(cr);
  }
  cairo_set_source_rgb(cr, 0.03, 0.05, 0.1);
  cairo_move_to(cr, 0, height);
  cairo_line_to(cr, width * 0.25, height * 0.68);
  cairo_line_to(cr, width * 0.4, height * 0.8);
  cairo_line_to(cr, width * 0.62, height * 0.6);
  cairo_line_to(cr, width, height * 0.85);
  cairo_line_to(cr, width, height);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void barGradient(cairo_t* cr, int width) {
  CairoPatternHandle fill(cairo_pattern_create_linear(0, 0, width, 0));
  cairo_pattern_add_color_stop_rgb(fill.get(), 0, 0.35, 0.85, 1.0);
  cairo_pattern_add_color_stop_rgb(fill.get(), 1, 0.75, 0.45, 1.0);
  cairo_set_source(cr, fill.get());
  cairo_paint(cr);
}

void leaf(cairo_t* cr, int size) {
  cairo_scale(cr, size, size);
  setColour(cr, Rgba{0.45, 0.85, 0.55});
  cairo_move_to(cr, 0.15, 0.85);
  cairo_curve_to(cr, 0.1, 0.35, 0.45, 0.1, 0.9, 0.1);
  cairo_curve_to(cr, 0.9, 0.55, 0.65, 0.9, 0.15, 0.85);
  cairo_fill(cr);
  setColour(cr, Rgba{0.2, 0.5, 0.3});
  cairo_set_line_width(cr, 0.04);
  cairo_move_to(cr, 0.15, 0.85);
  cairo_curve_to(cr, 0.4, 0.6, 0.6, 0.35, 0.85, 0.15);
  cairo_stroke(cr);
}


// --- App icons and artwork ---

enum class Glyph { ring, bubble, envelope, compass, lens, note, sun, grid, leaf, gear, pin, wave };

// A tile of `size` pixels with a vertical gradient and a white glyph, as an app icon.
void appIcon(cairo_t* cr, int size, Rgba top, Rgba bottom, Glyph glyph) {
  CairoPatternHandle gradient(cairo_pattern_create_linear(0, 0, 0, size));
  cairo_pattern_add_color_stop_rgb(gradient.get(), 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(gradient.get(), 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, gradient.get());
  cairo_paint(cr);
  cairo_scale(cr, size, size);
  setColour(cr, {1, 1, 1, 0.95});
  cairo_set_line_width(cr, 0.07);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (glyph) {
    case Glyph::ring:
      cairo_arc(cr, 0.5, 0.5, 0.26, 0, 2 * kPi);
      cairo_stroke(cr);
      break;
    case Glyph::bubble:
      cairo_save(cr);
      cairo_translate(cr, 0.5, 0.47);
      cairo_scale(cr, 1, 0.8);
      cairo_arc(cr, 0, 0, 0.3, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_fill(cr);
      cairo_move_to(cr, 0.3, 0.78);
      cairo_line_to(cr, 0.36, 0.6);
      cairo_line_to(cr, 0.48, 0.68);
      cairo_fill(cr);
      break;
    case Glyph::envelope:
      cairo_rectangle(cr, 0.2, 0.3, 0.6, 0.4);
      cairo_move_to(cr, 0.2, 0.3);
      cairo_line_to(cr, 0.5, 0.52);
      cairo_line_to(cr, 0.8, 0.3);
      cairo_stroke(cr);
      break;
    case Glyph::compass:
      cairo_arc(cr, 0.5, 0.5, 0.3, 0, 2 * kPi);
      cairo_stroke(cr);
      cairo_move_to(cr, 0.62, 0.38);
      cairo_line_to(cr, 0.46, 0.46);
      cairo_line_to(cr, 0.38, 0.62);
      cairo_line_to(cr, 0.54, 0.54);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case Glyph::lens:
      cairo_rectangle(cr, 0.18, 0.32, 0.64, 0.42);
      cairo_fill(cr);
      setColour(cr, bottom);
      cairo_arc(cr, 0.5, 0.53, 0.13, 0, 2 * kPi);
      cairo_fill(cr);
      break;
    case Glyph::note:
      cairo_arc(cr, 0.38, 0.7, 0.1, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_move_to(cr, 0.47, 0.7);
      cairo_line_to(cr, 0.47, 0.24);
      cairo_line_to(cr, 0.7, 0.3);
      cairo_stroke(cr);
      break;
    case Glyph::sun:
      sun(cr, 0.5, 0.5, 0.2, {1, 1, 1, 0.95});
      break;
    case Glyph::grid:
      for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
          cairo_arc(cr, 0.3 + column * 0.2, 0.3 + row * 0.2, 0.06, 0, 2 * kPi);
          cairo_fill(cr);
        }
      }
      break;
    case Glyph::leaf:
      cairo_move_to(cr, 0.25, 0.75);
      cairo_curve_to(cr, 0.25, 0.3, 0.5, 0.22, 0.78, 0.22);
      cairo_curve_to(cr, 0.78, 0.55, 0.6, 0.75, 0.25, 0.75);
      cairo_fill(cr);
      break;
    case Glyph::gear:
      for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * kPi / 4;
        cairo_move_to(cr, 0.5 + 0.2 * std::cos(angle), 0.5 + 0.2 * std::sin(angle));
        cairo_line_to(cr, 0.5 + 0.32 * std::cos(angle), 0.5 + 0.32 * std::sin(angle));
      }
      cairo_stroke(cr);
      cairo_arc(cr, 0.5, 0.5, 0.2, 0, 2 * kPi);
      cairo_stroke(cr);
      break;
    case Glyph::pin:
      cairo_arc(cr, 0.5, 0.42, 0.18, kPi, 0);
      cairo_line_to(cr, 0.5, 0.8);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case Glyph::wave:
      cairo_move_to(cr, 0.18, 0.5);
      for (int step = 1; step <= 4; ++step) {
        cairo_curve_to(cr, 0.18 + (step - 0.5) * 0.16, step % 2 ? 0.3 : 0.7, 0.18 + (step - 0.5) * 0.16,
                       step % 2 ? 0.3 : 0.7, 0.18 + step * 0.16, 0.5);
      }
      cairo_stroke(cr);
      break;
  }
}

// Album artwork: a dusk sky over a sea, with the sun sinking.
void artwork(cairo_t* cr, int size) {
  CairoPatternHandle sky(cairo_pattern_create_linear(0, 0, 0, size));
  cairo_pattern_add_color_stop_rgb(sky.get(), 0, 0.35, 0.12, 0.45);
  cairo_pattern_add_color_stop_rgb(sky.get(), 0.6, 0.95, 0.45, 0.35);
  cairo_pattern_add_color_stop_rgb(sky.get(), 1, 0.1, 0.15, 0.35);
  cairo_set_source(cr, sky.get());
  cairo_paint(cr);
  sun(cr, size * 0.5, size * 0.6, size * 0.18, {1, 0.85, 0.5});
  setColour(cr, {0.08, 0.12, 0.3, 0.9});
  cairo_rectangle(cr, 0, size * 0.62, size, size * 0.38);
  cairo_fill(cr);
}

// --- App drawer marks ---

enum class DrawerMark { gear, check, close };

// A white mark on a clear square of `size` pixels: the drawer's gear and the settings panel's
// apply and close buttons.
void drawerMark(cairo_t* cr, int size, DrawerMark mark) {
  cairo_scale(cr, size, size);
  setColour(cr, {1, 1, 1, 0.95});
  cairo_set_line_width(cr, 0.09);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (mark) {
    case DrawerMark::gear:
      for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * kPi / 4;
        cairo_move_to(cr, 0.5 + 0.28 * std::cos(angle), 0.5 + 0.28 * std::sin(angle));
        cairo_line_to(cr, 0.5 + 0.42 * std::cos(angle), 0.5 + 0.42 * std::sin(angle));
      }
      cairo_stroke(cr);
      cairo_arc(cr, 0.5, 0.5, 0.24, 0, 2 * kPi);
      cairo_stroke(cr);
      break;
    case DrawerMark::check:
      cairo_move_to(cr, 0.22, 0.52);
      cairo_line_to(cr, 0.42, 0.72);
      cairo_line_to(cr, 0.78, 0.3);
      cairo_stroke(cr);
      break;
    case DrawerMark::close:
      cairo_move_to(cr, 0.28, 0.28);
      cairo_line_to(cr, 0.72, 0.72);
      cairo_move_to(cr, 0.72, 0.28);
      cairo_line_to(cr, 0.28, 0.72);
      cairo_stroke(cr);
      break;
  }
}

// --- Theme editor icons ---

enum class EditorMark { list, order, load, gear, dots, copy, trash, blank };

// A white mark on a clear square of `size` pixels: the editor's menu bar and row buttons. The
// blank one is the clear square alone, for buttons that show no picture.
void editorMark(cairo_t* cr, int size, EditorMark mark) {
  cairo_scale(cr, size, size);
  setColour(cr, {1, 1, 1, 0.95});
  cairo_set_line_width(cr, 0.08);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (mark) {
    case EditorMark::list:
      for (const double y : {0.3, 0.5, 0.7}) {
        cairo_arc(cr, 0.24, y, 0.045, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_move_to(cr, 0.38, y);
        cairo_line_to(cr, 0.78, y);
        cairo_stroke(cr);
      }
      break;
    case EditorMark::order:
      // Two stacked layers with an arrow up and an arrow down beside them.
      cairo_rectangle(cr, 0.18, 0.24, 0.38, 0.22);
      cairo_rectangle(cr, 0.18, 0.54, 0.38, 0.22);
      cairo_stroke(cr);
      cairo_move_to(cr, 0.74, 0.2);
      cairo_line_to(cr, 0.74, 0.8);
      cairo_move_to(cr, 0.64, 0.3);
      cairo_line_to(cr, 0.74, 0.2);
      cairo_line_to(cr, 0.84, 0.3);
      cairo_move_to(cr, 0.64, 0.7);
      cairo_line_to(cr, 0.74, 0.8);
      cairo_line_to(cr, 0.84, 0.7);
      cairo_stroke(cr);
      break;
    case EditorMark::load:
      // An arrow down into a tray.
      cairo_move_to(cr, 0.5, 0.18);
      cairo_line_to(cr, 0.5, 0.58);
      cairo_move_to(cr, 0.34, 0.44);
      cairo_line_to(cr, 0.5, 0.6);
      cairo_line_to(cr, 0.66, 0.44);
      cairo_move_to(cr, 0.2, 0.6);
      cairo_line_to(cr, 0.2, 0.8);
      cairo_line_to(cr, 0.8, 0.8);
      cairo_line_to(cr, 0.8, 0.6);
      cairo_stroke(cr);
      break;
    case EditorMark::gear:
      for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * kPi / 4;
        cairo_move_to(cr, 0.5 + 0.26 * std::cos(angle), 0.5 + 0.26 * std::sin(angle));
        cairo_line_to(cr, 0.5 + 0.4 * std::cos(angle), 0.5 + 0.4 * std::sin(angle));
      }
      cairo_stroke(cr);
      cairo_arc(cr, 0.5, 0.5, 0.22, 0, 2 * kPi);
      cairo_stroke(cr);
      cairo_arc(cr, 0.5, 0.5, 0.07, 0, 2 * kPi);
      cairo_fill(cr);
      break;
    case EditorMark::dots:
      for (const double x : {0.25, 0.5, 0.75}) {
        cairo_arc(cr, x, 0.5, 0.075, 0, 2 * kPi);
        cairo_fill(cr);
      }
      break;
    case EditorMark::copy:
      cairo_rectangle(cr, 0.34, 0.34, 0.44, 0.44);
      cairo_stroke(cr);
      cairo_move_to(cr, 0.22, 0.62);
      cairo_line_to(cr, 0.22, 0.22);
      cairo_line_to(cr, 0.62, 0.22);
      cairo_stroke(cr);
      break;
    case EditorMark::trash:
      cairo_move_to(cr, 0.2, 0.28);
      cairo_line_to(cr, 0.8, 0.28);
      cairo_move_to(cr, 0.4, 0.28);
      cairo_line_to(cr, 0.42, 0.18);
      cairo_line_to(cr, 0.58, 0.18);
      cairo_line_to(cr, 0.6, 0.28);
      cairo_move_to(cr, 0.28, 0.36);
      cairo_line_to(cr, 0.32, 0.82);
      cairo_line_to(cr, 0.68, 0.82);
      cairo_line_to(cr, 0.72, 0.36);
      cairo_move_to(cr, 0.44, 0.44);
      cairo_line_to(cr, 0.44, 0.72);
      cairo_move_to(cr, 0.56, 0.44);
      cairo_line_to(cr, 0.56, 0.72);
      cairo_stroke(cr);
      break;
    case EditorMark::blank:
      break;
  }
}

// --- Weather animations and the charging sequence ---

// A falling streak, bright at its foot.
void rainStreak(cairo_t* cr, int width, int height) {
  CairoPatternHandle fade(cairo_pattern_create_linear(0, 0, 0, height));
  cairo_pattern_add_color_stop_rgba(fade.get(), 0, 0.7, 0.85, 1, 0);
  cairo_pattern_add_color_stop_rgba(fade.get(), 1, 0.85, 0.93, 1, 1);
  cairo_set_source(cr, fade.get());
  cairo_set_line_width(cr, width * 0.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, width / 2.0, width / 2.0);
  cairo_line_to(cr, width / 2.0, height - width / 2.0);
  cairo_stroke(cr);
}

// A soft round flake.
void snowFlake(cairo_t* cr, int size) {
  const double r = size / 2.0;
  CairoPatternHandle glow(cairo_pattern_create_radial(r, r, 0, r, r, r));
  cairo_pattern_add_color_stop_rgba(glow.get(), 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(glow.get(), 0.5, 1, 1, 1, 0.8);
  cairo_pattern_add_color_stop_rgba(glow.get(), 1, 1, 1, 1, 0);
  cairo_set_source(cr, glow.get());
  cairo_paint(cr);
}

// Twelve dots round a ring, the bright one `step` twelfths on, with a bolt in the middle.
void chargingFrame(cairo_t* cr, int size, int step) {
  const double c = size / 2.0;
  for (int dot = 0; dot < 12; ++dot) {
    const double angle = -kPi / 2 + dot * kPi / 6;
    const int behind = (step - dot + 12) % 12;
    const double glow = behind < 4 ? 1 - behind * 0.22 : 0.18;
    cairo_set_source_rgba(cr, 0.4, 1, 0.55, glow);
    cairo_arc(cr, c + std::cos(angle) * size * 0.38, c + std::sin(angle) * size * 0.38, size * (0.03 + 0.03 * glow), 0,
              2 * kPi);
    cairo_fill(cr);
  }
  // The bolt glyph spans (0.4...0.62, 0.58...0.95) of a unit icon: centred, 0.4 of the frame tall.
  const double scale = size * 0.4 / 0.37;
  cairo_save(cr);
  cairo_translate(cr, c - 0.51 * scale, c - 0.765 * scale);
  cairo_scale(cr, scale, scale);
  bolt(cr);
  cairo_restore(cr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example_assets <device folder>\n");
    return 2;
  }
  const fs::path device = argv[1];
  const fs::path springboard = device / "var/mobile/Library/SpringBoard";
  const fs::path assets = device / "var/mobile/Library/VantileAssets";
  bool ok = true;

  ok &= drawPicture(springboard / "LockBackground.png", 750, 1624, [](cairo_t* cr) {
    drawWallpaper(cr, 750, 1624, {0.04, 0.05, 0.16}, {0.22, 0.16, 0.38}, {0.05, 0.04, 0.12}, true);
  });
  ok &= drawPicture(springboard / "HomeBackground.png", 750, 1624, [](cairo_t* cr) {
    drawWallpaper(cr, 750, 1624, {0.1, 0.3, 0.45}, {0.55, 0.7, 0.75}, {0.08, 0.2, 0.25}, false);
  });

  constexpr int kIconPixels = 96;
  for (int code = 0; code <= 48; ++code) {
    ok &= drawPicture(assets / "weatherIcons/glyph" / (std::to_string(code) + ".png"), kIconPixels, kIconPixels,
                      [code](cairo_t* cr) {
                        cairo_scale(cr, kIconPixels, kIconPixels);
                        weatherGlyph(cr, code);
                      });
  }

  // A 160-point clock: the face fills it; hands show at half their pixel size.
  ok &= drawPicture(assets / "clock/face.png", 480, 480, [](cairo_t* cr) { clockFace(cr, 480); });
  ok &= drawPicture(assets / "clock/hour.png", 14, 100, [](cairo_t* cr) { clockHand(cr, 14, 100, {1, 1, 1}, false); });
  ok &= drawPicture(assets / "clock/minute.png", 10, 140, [](cairo_t* cr) {
    clockHand(cr, 10, 140, {0.85, 0.9, 1}, false);
  });
  ok &= drawPicture(assets / "clock/second.png", 6, 150, [](cairo_t* cr) {
    clockHand(cr, 6, 150, {1, 0.45, 0.3}, true);
  });

  ok &= drawPicture(assets / "images/aurora.png", 600, 300, [](cairo_t* cr) { aurora(cr, 600, 300); });
  ok &= drawPicture(assets / "images/bar-gradient.png", 320, 8, [](cairo_t* cr) { barGradient(cr, 320); });
  ok &= drawPicture(assets / "images/leaf.png", 120, 120, [](cairo_t* cr) { leaf(cr, 120); });

  struct IconPicture {
    const char* name;
    Rgba top, bottom;
    Glyph glyph;
  };
  const IconPicture icons[] = {
      {"phone", {0.45, 0.9, 0.45}, {0.15, 0.7, 0.25}, Glyph::ring},
      {"messages", {0.45, 0.95, 0.45}, {0.1, 0.75, 0.3}, Glyph::bubble},
      {"mail", {0.3, 0.7, 1}, {0.1, 0.4, 0.95}, Glyph::envelope},
      {"safari", {0.35, 0.75, 1}, {0.1, 0.45, 0.9}, Glyph::compass},
      {"camera", {0.7, 0.7, 0.72}, {0.35, 0.35, 0.38}, Glyph::lens},
      {"music", {1, 0.4, 0.5}, {0.9, 0.15, 0.3}, Glyph::note},
      {"weather", {0.3, 0.65, 1}, {0.2, 0.4, 0.85}, Glyph::sun},
      {"calculator", {0.3, 0.3, 0.32}, {0.1, 0.1, 0.12}, Glyph::grid},
      {"health", {1, 0.55, 0.6}, {0.95, 0.3, 0.4}, Glyph::leaf},
      {"settings", {0.6, 0.62, 0.66}, {0.35, 0.37, 0.42}, Glyph::gear},
      {"maps", {0.5, 0.85, 0.55}, {0.3, 0.6, 0.85}, Glyph::pin},
      {"podcasts", {0.8, 0.45, 1}, {0.55, 0.2, 0.85}, Glyph::wave},
  };
  for (const auto& icon : icons) {
    ok &= drawPicture(springboard / "AppIcons" / (std::string(icon.name) + ".png"), 180, 180,
                      [&icon](cairo_t* cr) { appIcon(cr, 180, icon.top, icon.bottom, icon.glyph); });
  }
  for (const auto& [name, mark] : {std::pair{"appdrawergear", DrawerMark::gear}, std::pair{"check", DrawerMark::check},
                                   std::pair{"close", DrawerMark::close}}) {
    // Clang 14 does not capture structured bindings.
    ok &= drawPicture(assets / (std::string(name) + ".png"), 90, 90,
                      [drawn = mark](cairo_t* cr) { drawerMark(cr, 90, drawn); });
  }
  for (const auto& [name, mark] :
       {std::pair{"list", EditorMark::list}, std::pair{"order", EditorMark::order}, std::pair{"load", EditorMark::load},
        std::pair{"gear", EditorMark::gear}, std::pair{"dots", EditorMark::dots}, std::pair{"copy", EditorMark::copy},
        std::pair{"trash", EditorMark::trash}, std::pair{"blank", EditorMark::blank}}) {
    ok &= drawPicture(assets / (std::string(name) + ".png"), 90, 90,
                      [drawn = mark](cairo_t* cr) { editorMark(cr, 90, drawn); });
  }
  // The app icon's placeholder: shown for an app without an icon of its own, and by the editor.
  ok &= drawPicture(assets / "icon.png", 180, 180,
                    [](cairo_t* cr) { appIcon(cr, 180, {0.72, 0.74, 0.78}, {0.48, 0.5, 0.55}, Glyph::grid); });
  ok &= drawPicture(device / "var/mobile/Media/Artwork/tidal-hours.png", 300, 300, [](cairo_t* cr) { artwork(cr, 300); });
  ok &= drawPicture(assets / "rain.png", 4, 40, [](cairo_t* cr) { rainStreak(cr, 4, 40); });
  ok &= drawPicture(assets / "snow.png", 10, 10, [](cairo_t* cr) { snowFlake(cr, 10); });
  ok &= drawPicture(assets / "cloud.png", 240, 120, [](cairo_t* cr) {
    cairo_scale(cr, 240, 240);
    cloud(cr, 0.48, 0.3, 0.78);
  });
  ok &= drawPicture(assets / "sun.png", 120, 100, [](cairo_t* cr) { sun(cr, 60, 50, 22); });
  ok &= drawPicture(assets / "moon.png", 120, 100, [](cairo_t* cr) { moon(cr, 60, 50, 30); });
  const fs::path sequence = assets / "chargingSequences/particlespin";
  constexpr int kFramePixels = 150;
  for (int step = 0; step < 12; ++step) {
    ok &= drawPicture(sequence / ("frame_" + std::to_string(step + 1) + ".png"), kFramePixels, kFramePixels,
                      [step](cairo_t* cr) { chargingFrame(cr, kFramePixels, step); });
  }
  ok &= platform::foundation::writeFileAtomically(
      sequence / "options.json", "{\n  \"width\": 150,\n  \"height\": 150,\n  \"x\": \"center\",\n  \"y\": \"bottom\",\n"
                                 "  \"yOffsetFromBottom\": 140,\n  \"animationDuration\": 1.2\n}\n");
  return ok ? 0 : 1;
}
