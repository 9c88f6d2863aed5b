#include "platform/ui/ShapeLayer.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/SystemLog.h"

namespace platform::ui {

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

}  // namespace platform::ui
