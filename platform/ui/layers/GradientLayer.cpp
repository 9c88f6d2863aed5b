#include "platform/ui/layers/GradientLayer.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

// The gradient's own animatable key path: its colours, as one list.
class GradientKeyPaths : public KeyPathValues {
 public:
  explicit GradientKeyPaths(GradientProperties& gradient) : gradient_(gradient) {}

  std::optional<AnimationValue> value(std::string_view keyPath) const override {
    if (keyPath == "colors") {
      return gradient_.colors;
    }
    return std::nullopt;
  }

  bool setValue(std::string_view keyPath, const AnimationValue& value) override {
    const auto* colors = std::get_if<ColorList>(&value);
    if (keyPath != "colors" || colors == nullptr) {
      return false;
    }
    gradient_.colors = *colors;
    return true;
  }

 private:
  GradientProperties& gradient_;
};

}  // namespace

std::shared_ptr<GradientLayer> GradientLayer::make() { return std::make_shared<GradientLayer>(ConstructionKey{}); }

GradientLayer::GradientLayer(ConstructionKey key) : Layer(key) {}

GradientProperties GradientLayer::presentationGradientProperties() const {
  GradientProperties presentation = gradient_;
  GradientKeyPaths values(presentation);
  applyAnimations(values);
  return presentation;
}

std::optional<AnimationValue> GradientLayer::modelValue(std::string_view keyPath) const {
  GradientProperties model = gradient_;
  if (std::optional<AnimationValue> value = GradientKeyPaths(model).value(keyPath)) {
    return value;
  }
  return Layer::modelValue(keyPath);
}

std::vector<GradientStop> GradientLayer::resolvedStops(const GradientProperties& gradient) {
  const std::vector<graphics::Color>& colors = gradient.colors;
  const bool useGivenLocations = gradient.locations && gradient.locations->size() == colors.size() &&
                                 std::all_of(gradient.locations->begin(), gradient.locations->end(),
                                             [](double location) { return std::isfinite(location); });
  std::vector<GradientStop> stops;
  stops.reserve(colors.size());
  for (std::size_t index = 0; index < colors.size(); ++index) {
    double location = 0;
    if (useGivenLocations) {
      location = (*gradient.locations)[index];
    } else if (colors.size() > 1) {
      location = static_cast<double>(index) / static_cast<double>(colors.size() - 1);
    }
    stops.push_back({location, colors[index]});
  }
  return stops;
}

}  // namespace platform::ui
