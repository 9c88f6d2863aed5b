#include "providers/animations/AnimationRain.h"

#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace ui = platform::ui;

ParticleAnimationSettings rain(double width) {
  ParticleAnimationSettings settings;
  settings.position = {width / 2 - 100, 0};
  settings.size = {width + 100, 0};
  settings.renderMode = ui::EmitterRenderMode::additive;
  settings.shape = ui::EmitterShape::rectangle;
  ui::EmitterCell& cell = settings.cell;
  cell.lifetime = 4;
  cell.lifetimeRange = 4;
  cell.color = {1, 1, 1, 0.2};
  cell.velocity = 500;
  cell.velocityRange = 200;
  cell.emissionRange = 0;
  cell.emissionLongitude = 1.432394487827058;
  cell.scaleSpeed = 0;
  cell.spin = 0;
  settings.imageName = "rain.png";
  settings.startedBirthRate = 50;
  return settings;
}

}  // namespace

std::shared_ptr<AnimationRain> AnimationRain::make() {
  return std::make_shared<AnimationRain>(ConstructionKey{}, ui::Screen::mainScreen().bounds());
}

AnimationRain::AnimationRain(ConstructionKey key, const platform::graphics::Rect& frame)
    : ParticleAnimationView(key, frame, rain(frame.width())) {}

}  // namespace vantile
