#include "providers/animations/ParticleAnimationView.h"

#include <string>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/ImageCodec.h"

namespace vantile {

namespace {

namespace ui = platform::ui;

constexpr const char* kBirthRate = "emitterCells.animation.birthRate";

std::shared_ptr<ui::EmitterLayer> emitterFor(ParticleAnimationSettings& settings) {
  auto emitter = ui::EmitterLayer::make();
  emitter->setEmitterPosition(settings.position);
  emitter->setEmitterSize(settings.size);
  emitter->setEmitterShape(settings.shape);
  emitter->setRenderMode(settings.renderMode);
  std::string file = "/var/mobile/Library/VantileAssets/";
  file += settings.imageName;
  // A missing picture leaves the particles empty.
  const auto path = platform::foundation::devicePath(file);
  if (platform::foundation::fileExists(path)) settings.cell.contents = platform::graphics::decodeImageFile(path);
  settings.cell.name = "animation";
  settings.cell.birthRate = 0;
  emitter->setEmitterCells({settings.cell});
  return emitter;
}

}  // namespace

ParticleAnimationView::ParticleAnimationView(ConstructionKey key, const platform::graphics::Rect& frame,
                                             ParticleAnimationSettings settings)
    : WeatherAnimationView(key, frame, emitterFor(settings)),
      animationEmitter_(std::static_pointer_cast<ui::EmitterLayer>(layer())),
      startedBirthRate_(settings.startedBirthRate),
      headStart_(settings.headStart) {}

void ParticleAnimationView::startAnimating() {
  animationEmitter_->setBeginTime(platform::foundation::MainQueue::shared().now() - headStart_);
  animationEmitter_->setValueForKeyPath(kBirthRate, startedBirthRate_);
}

void ParticleAnimationView::stopAnimating() { animationEmitter_->setValueForKeyPath(kBirthRate, 0.0); }

}  // namespace vantile
