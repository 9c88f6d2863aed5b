#pragma once

#include <memory>

#include "providers/animations/ParticleAnimationView.h"

namespace vantile {

class AnimationRain : public ParticleAnimationView {
 public:
  // Over the whole main screen.
  static std::shared_ptr<AnimationRain> make();
  AnimationRain(ConstructionKey key, const platform::graphics::Rect& frame);
};

}  // namespace vantile
