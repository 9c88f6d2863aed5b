#include "platform/graphics/ImageFilters.h"

#include "platform/foundation/files/SystemLog.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace platform::graphics {

namespace {

Image withPixels(const Image& model, std::vector<std::uint32_t> pixels) {
  // The model's size and scale were accepted already, so this cannot fail.
  return *Image::fromPremultipliedARGB(model.width(), model.height(), std::move(pixels), model.scale());
}

// NaN counts as 0.
double clampedToUnit(double component) { return component >= 0 ? std::min(component, 1.0) : 0.0; }

std::uint8_t unitToByte(double component) {
  return static_cast<std::uint8_t>(std::lround(clampedToUnit(component) * 255));
}

std::optional<std::int64_t> pixelLength(double points, double scale) {
  const double pixels = points * scale;
  if (!std::isfinite(pixels) || !(points > 0) || !(scale > 0) || pixels > Image::kMaximumPixelCount) {
    return std::nullopt;
  }
  return std::max<std::int64_t>(1, std::llround(pixels));
}

struct CairoSurfaceDestroyer {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroyer>;

struct CairoContextDestroyer {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoContextDestroyer>;

CairoSurface surfaceOver(std::uint32_t* pixels, int width, int height) {
  return CairoSurface{cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                          CAIRO_FORMAT_ARGB32, width, height, width * 4)};
}

// Cairo writes through a surface, so it gets a copy of the source pixels, which are shared
// and never change.
bool resample(const Image& image, std::vector<std::uint32_t>& destination, int width, int height) {
  std::vector<std::uint32_t> source(image.pixels().begin(), image.pixels().end());
  const CairoSurface sourceSurface = surfaceOver(source.data(), image.width(), image.height());
  const CairoSurface destinationSurface = surfaceOver(destination.data(), width, height);
  const CairoContext context{cairo_create(destinationSurface.get())};
  cairo_scale(context.get(), static_cast<double>(width) / image.width(), static_cast<double>(height) / image.height());
  cairo_set_source_surface(context.get(), sourceSurface.get(), 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(context.get());
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  // Padding repeats the edge pixels, so borders keep their colour instead of fading out.
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(context.get());
  cairo_surface_flush(destinationSurface.get());
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
    foundation::systemLog(std::string("Image scaling: ") + cairo_status_to_string(cairo_status(context.get())));
    return false;
  }
  return true;
}

}  // namespace

Image invertColors(const Image& image) {
  std::vector<std::uint32_t> pixels(image.pixels().begin(), image.pixels().end());
  for (std::uint32_t& pixel : pixels) {
    // Premultiplied, 1 - c becomes alpha - c: exact, no rounding.
    const std::uint32_t alpha = premultiplied::alphaOf(pixel);
    pixel = premultiplied::pack(alpha, alpha - premultiplied::redOf(pixel), alpha - premultiplied::greenOf(pixel),
                                alpha - premultiplied::blueOf(pixel));
  }
  return withPixels(image, std::move(pixels));
}

Image tintedThroughMask(const Image& image, Color color) {
  const std::uint8_t red = unitToByte(color.red);
  const std::uint8_t green = unitToByte(color.green);
  const std::uint8_t blue = unitToByte(color.blue);
  const double alpha = clampedToUnit(color.alpha);
  std::vector<std::uint32_t> pixels(image.pixels().begin(), image.pixels().end());
  for (std::uint32_t& pixel : pixels) {
    const auto maskedAlpha = static_cast<std::uint8_t>(std::lround(alpha * premultiplied::alphaOf(pixel)));
    pixel = premultiplied::fromRGBA({red, green, blue, maskedAlpha});
  }
  return withPixels(image, std::move(pixels));
}

std::optional<Image> scaled(const Image& image, Size pointSize, double scale) {
  const std::optional<std::int64_t> width = pixelLength(pointSize.width, scale);
  const std::optional<std::int64_t> height = pixelLength(pointSize.height, scale);
  if (!width || !height) {
    foundation::systemLog("Image scaling: cannot scale to " + std::to_string(pointSize.width) + " x " +
                          std::to_string(pointSize.height) + " points at scale " + std::to_string(scale));
    return std::nullopt;
  }
  if (!isAcceptableImageSize(*width, *height, "Image scaling")) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> destination(static_cast<std::size_t>(*width * *height));
  if (!resample(image, destination, static_cast<int>(*width), static_cast<int>(*height))) {
    return std::nullopt;
  }
  return Image::fromPremultipliedARGB(static_cast<int>(*width), static_cast<int>(*height), std::move(destination),
                                      scale);
}

}  // namespace platform::graphics
