#pragma once

#include <memory>
#include <string_view>

#include "platform/ui/layers/EmitterLayer.h"
#include "providers/animations/WeatherAnimationView.h"

namespace vantile {

// What one weather emitter is set up with, and how it starts.
struct ParticleAnimationSettings {
  platform::ui::EmitterCell cell;
  platform::graphics::Point position;
  platform::graphics::Size size;
  platform::ui::EmitterShape shape = platform::ui::EmitterShape::point;
  platform::ui::EmitterRenderMode renderMode = platform::ui::EmitterRenderMode::unordered;
  // The assets folder's picture of the particle ("rain.png").
  std::string_view imageName;
  double startedBirthRate = 0;
  // How long the emitter seems to have run already when it starts.
  double headStart = 0;
};

// A view backed by an emitter layer with one cell, "animation", born at rate 0: nothing falls
// until it starts. Stopping sets the rate back to 0, so the particles in flight live out their
// lifetime.
class ParticleAnimationView : public WeatherAnimationView {
 public:
  ParticleAnimationView(ConstructionKey key, const platform::graphics::Rect& frame, ParticleAnimationSettings settings);

  void startAnimating() override;
  void stopAnimating() override;

  const std::shared_ptr<platform::ui::EmitterLayer>& animationEmitter() const { return animationEmitter_; }

 private:
  std::shared_ptr<platform::ui::EmitterLayer> animationEmitter_;
  double startedBirthRate_;
  double headStart_;
};

}  // namespace vantile
