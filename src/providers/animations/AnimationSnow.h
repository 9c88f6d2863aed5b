#pragma once

#include <memory>

#include "providers/animations/ParticleAnimationView.h"

namespace vantile {

class AnimationSnow : public ParticleAnimationView {
 public:
  // Over the whole main screen.
  static std::shared_ptr<AnimationSnow> make();
  AnimationSnow(ConstructionKey key, const platform::graphics::Rect& frame);
};

}  // namespace vantile
