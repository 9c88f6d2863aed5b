#include "platform/ui/layers/ShapeLayer.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

namespace {

// The shape's own animatable key paths. Stroke fractions stay within 0...1 and the line
// width non-negative, as their setters keep them; a missing colour reads as transparent.
class ShapeKeyPaths : public KeyPathValues {
 public:
  explicit ShapeKeyPaths(ShapeProperties& shape) : shape_(shape) {}

  std::optional<AnimationValue> value(std::string_view keyPath) const override {
    if (keyPath == "strokeStart") {
      return shape_.strokeStart;
    }
    if (keyPath == "strokeEnd") {
      return shape_.strokeEnd;
    }
    if (keyPath == "lineWidth") {
      return shape_.lineWidth;
    }
    if (std::optional<graphics::Color>* color = colorAt(keyPath)) {
      return color->value_or(graphics::Color{0, 0, 0, 0});
    }
    return std::nullopt;
  }

  bool setValue(std::string_view keyPath, const AnimationValue& value) override {
    if (const double* number = std::get_if<double>(&value)) {
      if (keyPath == "strokeStart" || keyPath == "strokeEnd") {
        (keyPath == "strokeStart" ? shape_.strokeStart : shape_.strokeEnd) = std::clamp(*number, 0.0, 1.0);
        return true;
      }
      if (keyPath == "lineWidth") {
        shape_.lineWidth = std::max(*number, 0.0);
        return true;
      }
    }
    const graphics::Color* color = std::get_if<graphics::Color>(&value);
    std::optional<graphics::Color>* target = colorAt(keyPath);
    if (color != nullptr && target != nullptr) {
      *target = *color;
      return true;
    }
    return false;
  }

 private:
  std::optional<graphics::Color>* colorAt(std::string_view keyPath) const {
    if (keyPath == "fillColor") {
      return &shape_.fillColor;
    }
    if (keyPath == "strokeColor") {
      return &shape_.strokeColor;
    }
    return nullptr;
  }

  ShapeProperties& shape_;
};

}  // namespace

std::shared_ptr<ShapeLayer> ShapeLayer::make() { return std::make_shared<ShapeLayer>(ConstructionKey{}); }

ShapeLayer::ShapeLayer(ConstructionKey key) : Layer(key) {}

void ShapeLayer::setLineWidth(double width) {
  if (!std::isfinite(width) || width < 0) {
    foundation::systemLog("ShapeLayer: ignored a line width that is negative or not a number");
    return;
  }
  shape_.lineWidth = width;
}

void ShapeLayer::setStrokeStart(double fraction) {
  if (std::isfinite(fraction)) {
    shape_.strokeStart = std::clamp(fraction, 0.0, 1.0);
  } else {
    foundation::systemLog("ShapeLayer: ignored a non-finite stroke start");
  }
}

void ShapeLayer::setStrokeEnd(double fraction) {
  if (std::isfinite(fraction)) {
    shape_.strokeEnd = std::clamp(fraction, 0.0, 1.0);
  } else {
    foundation::systemLog("ShapeLayer: ignored a non-finite stroke end");
  }
}

ShapeProperties ShapeLayer::presentationShapeProperties() const {
  ShapeProperties presentation = shape_;
  ShapeKeyPaths values(presentation);
  applyAnimations(values);
  return presentation;
}

std::optional<AnimationValue> ShapeLayer::modelValue(std::string_view keyPath) const {
  ShapeProperties model = shape_;
  if (std::optional<AnimationValue> value = ShapeKeyPaths(model).value(keyPath)) {
    return value;
  }
  return Layer::modelValue(keyPath);
}

}  // namespace platform::ui
