#pragma once

#include <optional>
#include <string_view>

#include "platform/graphics/Geometry.h"
#include "platform/ui/views/View.h"

namespace vantile::springboard {

// Where, on the screen, the scenario events that name parts of the open app drawer touch. The
// drawer lives in the tweak, so the host knows it only by its class name and its views.
// Nothing when no drawer is open in `window` or it shows no such part.
std::optional<platform::graphics::Point> drawerLetterPoint(const platform::ui::View& window, std::string_view letter);
std::optional<platform::graphics::Point> drawerAppPoint(const platform::ui::View& window, std::string_view bundle);

}  // namespace vantile::springboard
