#include "providers/animations/AnimationCloud.h"

#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

namespace ui = platform::ui;

// Clouds drift in from beyond the left edge; the emitter starts 30 s into its run, so the sky
// is not empty at first.
ParticleAnimationSettings clouds() {
  ParticleAnimationSettings settings;
  settings.position = {-230, 200};
  settings.size = {0, 0};
  settings.renderMode = ui::EmitterRenderMode::oldestFirst;
  settings.shape = ui::EmitterShape::point;
  ui::EmitterCell& cell = settings.cell;
  cell.lifetime = 40;
  cell.color = {1, 1, 1, 0.2};
  cell.velocity = 20;
  cell.velocityRange = 30;
  cell.emissionRange = 0.1;
  cell.yAcceleration = 0.1;
  cell.emissionLongitude = 0;
  cell.emissionLatitude = 0;
  cell.alphaRange = static_cast<double>(0.06F);
  cell.scale = 1;
  cell.scaleRange = 0.3;
  cell.spin = 0;
  settings.imageName = "cloud.png";
  settings.startedBirthRate = 0.08;
  settings.headStart = 30;
  return settings;
}

}  // namespace

std::shared_ptr<AnimationCloud> AnimationCloud::make() {
  return std::make_shared<AnimationCloud>(ConstructionKey{}, ui::Screen::mainScreen().bounds());
}

AnimationCloud::AnimationCloud(ConstructionKey key, const platform::graphics::Rect& frame)
    : ParticleAnimationView(key, frame, clouds()) {}

}  // namespace vantile
