#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "platform/graphics/Color.h"
#include "platform/graphics/Path.h"
#include "platform/ui/layers/Layer.h"

namespace platform::ui {

enum class LineCap { butt, round, square };

// Which parts of a path that crosses itself count as inside.
enum class FillRule { nonZero, evenOdd };

// The animatable state of a shape, apart from the layer's own.
struct ShapeProperties {
  // In the layer's bounds space; an empty path draws nothing.
  graphics::Path path;
  std::optional<graphics::Color> fillColor = graphics::Color{0, 0, 0, 1};
  std::optional<graphics::Color> strokeColor;
  double lineWidth = 1;
  // The stroked part of the path, as fractions of its length.
  double strokeStart = 0;
  double strokeEnd = 1;

  friend bool operator==(const ShapeProperties&, const ShapeProperties&) = default;
};

// A filled and stroked path drawn over the layer's background.
class ShapeLayer : public Layer {
 public:
  static std::shared_ptr<ShapeLayer> make();

  explicit ShapeLayer(ConstructionKey key);

  const ShapeProperties& shapeProperties() const { return shape_; }

  const graphics::Path& path() const { return shape_.path; }
  void setPath(graphics::Path path) { shape_.path = std::move(path); }
  std::optional<graphics::Color> fillColor() const { return shape_.fillColor; }
  void setFillColor(std::optional<graphics::Color> color) { shape_.fillColor = color; }
  std::optional<graphics::Color> strokeColor() const { return shape_.strokeColor; }
  void setStrokeColor(std::optional<graphics::Color> color) { shape_.strokeColor = color; }
  double lineWidth() const { return shape_.lineWidth; }
  // Negative or non-finite widths are refused.
  void setLineWidth(double width);
  LineCap lineCap() const { return lineCap_; }
  void setLineCap(LineCap cap) { lineCap_ = cap; }
  FillRule fillRule() const { return fillRule_; }
  void setFillRule(FillRule rule) { fillRule_ = rule; }
  double strokeStart() const { return shape_.strokeStart; }
  // Clamped to 0...1.
  void setStrokeStart(double fraction);
  double strokeEnd() const { return shape_.strokeEnd; }
  // Clamped to 0...1.
  void setStrokeEnd(double fraction);

  // What the screen shows now: the shape values with the running animations of strokeStart,
  // strokeEnd, lineWidth, fillColor and strokeColor applied.
  ShapeProperties presentationShapeProperties() const;
  double presentationStrokeStart() const { return presentationShapeProperties().strokeStart; }
  double presentationStrokeEnd() const { return presentationShapeProperties().strokeEnd; }

 protected:
  std::optional<AnimationValue> modelValue(std::string_view keyPath) const override;

 private:
  ShapeProperties shape_;
  LineCap lineCap_ = LineCap::butt;
  FillRule fillRule_ = FillRule::nonZero;
};

}  // namespace platform::ui
