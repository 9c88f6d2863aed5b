#include "providers/animations/AnimationSnow.h"

#include <numbers>

#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace ui = platform::ui;

ParticleAnimationSettings snow(double width) {
  ParticleAnimationSettings settings;
  settings.position = {width / 2 - 100, 0};
  settings.size = {width + 100, 0};
  settings.renderMode = ui::EmitterRenderMode::additive;
  settings.shape = ui::EmitterShape::rectangle;
  ui::EmitterCell& cell = settings.cell;
  cell.lifetime = 120;
  cell.lifetimeRange = 4;
  cell.color = {1, 1, 1, 0.2};
  cell.velocity = 50;
  cell.velocityRange = 2;
  cell.emissionRange = std::numbers::pi / 2;
  cell.yAcceleration = 2;
  cell.emissionLongitude = 1.432394487827058;
  cell.scale = 2;
  cell.scaleSpeed = 0;
  cell.spin = std::numbers::pi / 4;
  settings.imageName = "snow.png";
  settings.startedBirthRate = 5;
  return settings;
}

}  // namespace

std::shared_ptr<AnimationSnow> AnimationSnow::make() {
  return std::make_shared<AnimationSnow>(ConstructionKey{}, ui::Screen::mainScreen().bounds());
}

AnimationSnow::AnimationSnow(ConstructionKey key, const platform::graphics::Rect& frame)
    : ParticleAnimationView(key, frame, snow(frame.width())) {}

}  // namespace vantile
