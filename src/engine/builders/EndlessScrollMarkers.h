#pragma once

#include <optional>
#include <string>

#include "platform/graphics/Geometry.h"

namespace platform::ui {
class Layer;
class ScrollView;
}  // namespace platform::ui

// What an endless scroll view carries on its layer: the scrolling axes as the layer's name and
// the size of one copy of its content as the values "originalWidth" and "originalHeight".
namespace vantile::endless {

struct Markers {
  std::string axes;
  double originalWidth = 0;
  double originalHeight = 0;
};

// The markers when the name is present, not empty and not "none" and both sizes are above 0.
std::optional<Markers> markersOf(const platform::ui::Layer& layer);

// Records one copy's size, triples the content along the axes ("horizontal", "vertical",
// "both") and shows the middle copy; other axes only record the markers.
void tripleContent(platform::ui::ScrollView& scrollView, const std::string& axes, platform::graphics::Size original);

// The offset moved by one copy back towards the middle when it came within a point of either
// end; the same offset when it did not.
platform::graphics::Point wrappedOffset(const Markers& markers, platform::graphics::Point offset);

}  // namespace vantile::endless
