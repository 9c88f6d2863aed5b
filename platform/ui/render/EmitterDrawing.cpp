#include "platform/ui/render/EmitterDrawing.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace platform::ui {

namespace {

using graphics::Image;

// The contents with red, green and blue multiplied by the colour's (its alpha goes to each
// particle instead).
std::optional<Image> tinted(const EmitterCell& cell) {
  if (!cell.contents) return std::nullopt;
  const graphics::Color& c = cell.color;
  if (c.red >= 1 && c.green >= 1 && c.blue >= 1) return cell.contents;
  const auto channel = [](std::uint32_t pixel, int shift, double factor) {
    return static_cast<std::uint32_t>(static_cast<double>((pixel >> shift) & 0xFFU) * std::clamp(factor, 0.0, 1.0));
  };
  std::vector<std::uint32_t> pixels(cell.contents->pixels().begin(), cell.contents->pixels().end());
  for (std::uint32_t& pixel : pixels) {
    pixel = (pixel & 0xFF000000U) | (channel(pixel, 16, c.red) << 16) | (channel(pixel, 8, c.green) << 8) |
            channel(pixel, 0, c.blue);
  }
  return Image::fromPremultipliedARGB(cell.contents->width(), cell.contents->height(), std::move(pixels),
                                      cell.contents->scale());
}

}  // namespace

void drawParticles(DrawingContext& context, const EmitterLayer& layer) {
  const std::vector<Particle> particles = layer.particlesAt(foundation::MainQueue::shared().now());
  if (particles.empty()) return;
  std::vector<std::optional<Image>> images;
  for (const EmitterCell& cell : layer.emitterCells()) images.push_back(tinted(cell));

  cairo_t* cairo = context.cairo();
  cairo_save(cairo);
  if (layer.renderMode() == EmitterRenderMode::additive) cairo_set_operator(cairo, CAIRO_OPERATOR_ADD);
  for (const Particle& particle : particles) {
    const std::optional<Image>& image = images[particle.cell];
    if (!image || particle.scale <= 0 || particle.alpha <= 0) continue;
    const graphics::Size size = image->size();
    cairo_save(cairo);
    cairo_translate(cairo, particle.position.x, particle.position.y);
    cairo_rotate(cairo, particle.rotation);
    cairo_scale(cairo, particle.scale, particle.scale);
    DrawingContext(cairo, context.alpha() * particle.alpha)
        .drawImage(*image, {-size.width / 2, -size.height / 2, size.width, size.height});
    cairo_restore(cairo);
  }
  cairo_restore(cairo);
}

}  // namespace platform::ui
