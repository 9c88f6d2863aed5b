#pragma once

#include <cstddef>
#include <memory>

#include "platform/graphics/AffineTransform.h"
#include "platform/ui/layers/Layer.h"

namespace platform::ui {

// A layer that draws its sublayers `instanceCount` times: the first copy where they are, each
// further copy moved by the instance transform once more than the one before. The copies are
// only drawn; hit testing and the sublayers themselves know nothing of them.
class ReplicatorLayer : public Layer {
 public:
  static std::shared_ptr<ReplicatorLayer> make();

  explicit ReplicatorLayer(ConstructionKey key);

  // 0 draws no sublayers at all.
  std::size_t instanceCount() const { return instanceCount_; }
  void setInstanceCount(std::size_t count) { instanceCount_ = count; }
  // In this layer's bounds space, applied after the sublayers' own placement.
  const graphics::AffineTransform& instanceTransform() const { return instanceTransform_; }
  // A non-finite transform is refused with a log line.
  void setInstanceTransform(const graphics::AffineTransform& transform);

 private:
  std::size_t instanceCount_ = 1;
  graphics::AffineTransform instanceTransform_;
};

}  // namespace platform::ui
