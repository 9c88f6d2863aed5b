#pragma once

#include <memory>

#include "providers/animations/ParticleAnimationView.h"

namespace vantile {

class AnimationCloud : public ParticleAnimationView {
 public:
  // Over the whole main screen.
  static std::shared_ptr<AnimationCloud> make();
  AnimationCloud(ConstructionKey key, const platform::graphics::Rect& frame);
};

}  // namespace vantile
