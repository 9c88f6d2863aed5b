#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/layers/EmitterCell.h"
#include "platform/ui/layers/Layer.h"

namespace platform::ui {

enum class EmitterShape { point, line, rectangle };
// Where on the shape particles start: inside it (points, surface, volume) or on its edge.
enum class EmitterMode { points, outline, surface, volume };
// The order particles are drawn in, and additive, which adds their colours to what is below.
enum class EmitterRenderMode { unordered, oldestFirst, oldestLast, backToFront, additive };

// One particle as it shows at an instant, in the emitter layer's bounds space.
struct Particle {
  std::size_t cell = 0;
  // Its cell's particles are numbered in order of birth since the emitter started, from 0.
  std::uint64_t index = 0;
  // Layer-local time of birth, and seconds since.
  double birthTime = 0;
  double age = 0;
  graphics::Point position;
  double rotation = 0;
  double scale = 1;
  double alpha = 1;
};

// A layer that emits particles of its cells. Nothing is stepped frame by frame: the particles
// at any instant are worked out from the layer's local time (so its begin time), the history
// of each cell's birth rate and a generator seeded per layer and particle, so the same instant
// always shows the same picture, however often or seldom it is drawn. The k-th particle of a
// cell is born when the integral of its birth rate since the start reaches k, and lives out its
// lifetime whatever the rate does afterwards.
//
// The emitter starts over (its history holding the current rates from local time 0) when it
// is made, its cells are set or its begin time changes; a rate set at that same main-queue
// instant counts from local time 0 too, so a begin time in the past starts an emitter that has
// already been running that long.
class EmitterLayer : public Layer {
 public:
  static std::shared_ptr<EmitterLayer> make();

  explicit EmitterLayer(ConstructionKey key);

  const std::vector<EmitterCell>& emitterCells() const { return cells_; }
  void setEmitterCells(std::vector<EmitterCell> cells);
  // The named cell's birth rate from now on; false when no cell has the name or the rate is
  // negative or not finite.
  bool setBirthRate(std::string_view cellName, double rate);

  // Centre of the shape, in the bounds space.
  graphics::Point emitterPosition() const { return emitterPosition_; }
  void setEmitterPosition(graphics::Point position) { emitterPosition_ = position; }
  graphics::Size emitterSize() const { return emitterSize_; }
  void setEmitterSize(graphics::Size size) { emitterSize_ = size; }
  EmitterShape emitterShape() const { return shape_; }
  void setEmitterShape(EmitterShape shape) { shape_ = shape; }
  EmitterMode emitterMode() const { return mode_; }
  void setEmitterMode(EmitterMode mode) { mode_ = mode; }
  EmitterRenderMode renderMode() const { return renderMode_; }
  void setRenderMode(EmitterRenderMode mode) { renderMode_ = mode; }
  std::uint32_t seed() const { return seed_; }
  void setSeed(std::uint32_t seed) { seed_ = seed; }

  void setBeginTime(double seconds) override;

  // "emitterCells.<name>.birthRate" besides the layer's own keys.
  std::optional<KeyValueFailure> setValueForKeyPath(std::string_view keyPath, const KeyValue& value);

  // The particles alive at the main-queue time, in the order the render mode draws them.
  std::vector<Particle> particlesAt(foundation::TimeStamp mediaTime) const;

 private:
  struct RateChange {
    double localTime;
    double rate;
  };

  void restart();
  void particlesOfCell(std::size_t cell, double now, std::vector<Particle>& out) const;
  Particle particle(std::size_t cell, std::uint64_t index, double birthTime, double now) const;

  std::vector<EmitterCell> cells_;
  // One history per cell, ascending in time, the first entry at local time 0.
  std::vector<std::vector<RateChange>> history_;
  foundation::TimeStamp startedAt_ = 0;
  graphics::Point emitterPosition_;
  graphics::Size emitterSize_;
  EmitterShape shape_ = EmitterShape::point;
  EmitterMode mode_ = EmitterMode::volume;
  EmitterRenderMode renderMode_ = EmitterRenderMode::unordered;
  std::uint32_t seed_ = 0;
};

}  // namespace platform::ui
