#include "platform/ui/GradientLayer.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

std::shared_ptr<GradientLayer> GradientLayer::make() { return std::make_shared<GradientLayer>(ConstructionKey{}); }

GradientLayer::GradientLayer(ConstructionKey key) : Layer(key) {}

std::vector<GradientStop> GradientLayer::resolvedStops() const {
  const std::vector<graphics::Color>& colors = gradient_.colors;
  const bool useGivenLocations = gradient_.locations && gradient_.locations->size() == colors.size() &&
                                 std::all_of(gradient_.locations->begin(), gradient_.locations->end(),
                                             [](double location) { return std::isfinite(location); });
  std::vector<GradientStop> stops;
  stops.reserve(colors.size());
  for (std::size_t index = 0; index < colors.size(); ++index) {
    double location = 0;
    if (useGivenLocations) {
      location = (*gradient_.locations)[index];
    } else if (colors.size() > 1) {
      location = static_cast<double>(index) / static_cast<double>(colors.size() - 1);
    }
    stops.push_back({location, colors[index]});
  }
  return stops;
}

}  // namespace platform::ui
