#include "platform/ui/layers/ReplicatorLayer.h"

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

std::shared_ptr<ReplicatorLayer> ReplicatorLayer::make() {
  return std::make_shared<ReplicatorLayer>(ConstructionKey{});
}

ReplicatorLayer::ReplicatorLayer(ConstructionKey key) : Layer(key) {}

void ReplicatorLayer::setInstanceTransform(const graphics::AffineTransform& transform) {
  if (!transform.isFinite()) {
    foundation::systemLog("ReplicatorLayer: ignored a non-finite instance transform");
    return;
  }
  instanceTransform_ = transform;
}

}  // namespace platform::ui
