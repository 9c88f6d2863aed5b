#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/layers/Layer.h"

namespace platform::ui {

// The animatable state of a gradient, apart from the layer's own.
struct GradientProperties {
  std::vector<graphics::Color> colors;
  // Nothing spreads the colours evenly.
  std::optional<std::vector<double>> locations;
  // Unit points of the bounds.
  graphics::Point startPoint{0.5, 0};
  graphics::Point endPoint{0.5, 1};

  friend bool operator==(const GradientProperties&, const GradientProperties&) = default;
};

struct GradientStop {
  double location = 0;
  graphics::Color color;

  friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

// An axial gradient filling the layer's bounds.
class GradientLayer : public Layer {
 public:
  static std::shared_ptr<GradientLayer> make();

  explicit GradientLayer(ConstructionKey key);

  const GradientProperties& gradientProperties() const { return gradient_; }

  const std::vector<graphics::Color>& colors() const { return gradient_.colors; }
  void setColors(std::vector<graphics::Color> colors) { gradient_.colors = std::move(colors); }
  const std::optional<std::vector<double>>& locations() const { return gradient_.locations; }
  void setLocations(std::optional<std::vector<double>> locations) { gradient_.locations = std::move(locations); }
  graphics::Point startPoint() const { return gradient_.startPoint; }
  void setStartPoint(graphics::Point point) { gradient_.startPoint = point; }
  graphics::Point endPoint() const { return gradient_.endPoint; }
  void setEndPoint(graphics::Point point) { gradient_.endPoint = point; }

  // What the screen shows now: the gradient with the running animations of "colors" applied.
  GradientProperties presentationGradientProperties() const;

  // The colour stops to draw: the given locations when there is one finite location per
  // colour, else the colours spread evenly from 0 to 1.
  std::vector<GradientStop> resolvedStops() const { return resolvedStops(gradient_); }
  static std::vector<GradientStop> resolvedStops(const GradientProperties& gradient);

 protected:
  std::optional<AnimationValue> modelValue(std::string_view keyPath) const override;

 private:
  GradientProperties gradient_;
};

}  // namespace platform::ui
