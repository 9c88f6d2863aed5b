#pragma once

#include <optional>

#include "platform/graphics/Color.h"
#include "platform/graphics/Image.h"

// The image filters behind an element's "imageColor", shared by the orchestrator, the element
// builders and the theme controller. An absent image gives no image.
namespace vantile {

// Every colour inverted, alpha kept.
std::optional<platform::graphics::Image> inverseColor(const std::optional<platform::graphics::Image>& image);

// The image over opaque white: transparent parts become white, translucent ones a blend with it.
std::optional<platform::graphics::Image> imageWithWhiteBackground(
    const std::optional<platform::graphics::Image>& image);

// The image flattened on white, then used as a mask for the colour: black shows the colour
// fully, white becomes transparent, greys partly (by their luma).
std::optional<platform::graphics::Image> changeImage(const std::optional<platform::graphics::Image>& image,
                                                     platform::graphics::Color color);

}  // namespace vantile
