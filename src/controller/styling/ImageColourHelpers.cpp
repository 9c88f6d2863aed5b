// The controller's image colour operations are the engine's filters.
#include "controller/VantileController.h"
#include "engine/images/ImageColouring.h"

namespace vantile {

using platform::graphics::Image;

std::optional<Image> VantileController::imageWithWhiteBackground(const std::optional<Image>& image) {
  return ::vantile::imageWithWhiteBackground(image);
}

std::optional<Image> VantileController::inverseColor(const std::optional<Image>& image) {
  return ::vantile::inverseColor(image);
}

std::optional<Image> VantileController::changeImage(const std::optional<Image>& image, platform::graphics::Color color) {
  return ::vantile::changeImage(image, color);
}

}  // namespace vantile
