#include "platform/ui/layers/EmitterLayer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

namespace {

constexpr std::string_view kCellsPrefix = "emitterCells.";
constexpr std::string_view kBirthRateSuffix = ".birthRate";
// Beyond this many particles alive a cell shows no more, whatever its rate and lifetime.
constexpr std::size_t kMaximumParticlesPerCell = 20'000;

// splitmix64: every particle draws from a stream of its own, so a particle's looks depend on
// nothing but the seed, its cell and its index.
class ParticleRandom {
 public:
  ParticleRandom(std::uint32_t seed, std::size_t cell, std::uint64_t index)
      : state_((static_cast<std::uint64_t>(seed) << 32) ^ (static_cast<std::uint64_t>(cell) * 0x9E3779B97F4A7C15ULL) ^
               (index * 0xD1B54A32D192ED03ULL)) {}

  // Evenly in [0, 1).
  double unit() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }
  // Evenly in [-1, 1).
  double signedUnit() { return unit() * 2 - 1; }

 private:
  std::uint64_t state_;
};

double longestLifetime(const EmitterCell& cell) { return std::max(0.0, cell.lifetime + std::abs(cell.lifetimeRange)); }

}  // namespace

std::shared_ptr<EmitterLayer> EmitterLayer::make() { return std::make_shared<EmitterLayer>(ConstructionKey{}); }

EmitterLayer::EmitterLayer(ConstructionKey key) : Layer(key) { restart(); }

void EmitterLayer::restart() {
  startedAt_ = foundation::MainQueue::shared().now();
  history_.clear();
  for (const EmitterCell& cell : cells_) history_.push_back({RateChange{0, cell.birthRate}});
}

void EmitterLayer::setEmitterCells(std::vector<EmitterCell> cells) {
  for (EmitterCell& cell : cells) {
    if (!std::isfinite(cell.birthRate) || cell.birthRate < 0) {
      foundation::systemLog("EmitterLayer: a cell's birth rate that is negative or not finite reads as 0");
      cell.birthRate = 0;
    }
  }
  cells_ = std::move(cells);
  restart();
}

void EmitterLayer::setBeginTime(double seconds) {
  Layer::setBeginTime(seconds);
  restart();
}

bool EmitterLayer::setBirthRate(std::string_view cellName, double rate) {
  if (!std::isfinite(rate) || rate < 0) return false;
  const auto found = std::find_if(cells_.begin(), cells_.end(),
                                  [cellName](const EmitterCell& cell) { return cell.name && *cell.name == cellName; });
  if (found == cells_.end()) return false;
  found->birthRate = rate;
  std::vector<RateChange>& history = history_[static_cast<std::size_t>(found - cells_.begin())];
  const foundation::TimeStamp now = foundation::MainQueue::shared().now();
  const double at = now == startedAt_ ? 0.0 : std::max(0.0, localTime(now));
  // A later change at the same instant replaces the earlier one; time never runs back here.
  while (!history.empty() && history.back().localTime >= at) history.pop_back();
  history.push_back({at, rate});
  return true;
}

std::optional<KeyValueFailure> EmitterLayer::setValueForKeyPath(std::string_view keyPath, const KeyValue& value) {
  if (keyPath.starts_with(kCellsPrefix) && keyPath.ends_with(kBirthRateSuffix) &&
      keyPath.size() > kCellsPrefix.size() + kBirthRateSuffix.size()) {
    const std::string_view name =
        keyPath.substr(kCellsPrefix.size(), keyPath.size() - kCellsPrefix.size() - kBirthRateSuffix.size());
    const std::optional<double> rate = keyvalue::number(value);
    if (!rate) return keyvalue::wrongKind(keyPath, value);
    if (!setBirthRate(name, *rate)) {
      std::string problem = "the emitter has no cell \"";
      problem += name;
      problem += "\" that takes the birth rate";
      return KeyValueFailure{std::move(problem)};
    }
    return std::nullopt;
  }
  if (keyPath.find('.') != std::string_view::npos) {
    std::string problem = "the emitter layer has no key path \"";
    problem += keyPath;
    problem += "\"";
    return KeyValueFailure{std::move(problem)};
  }
  return setValueForKey(keyPath, value);
}

std::vector<Particle> EmitterLayer::particlesAt(foundation::TimeStamp mediaTime) const {
  const double now = localTime(mediaTime);
  std::vector<Particle> particles;
  for (std::size_t cell = 0; cell < cells_.size(); ++cell) particlesOfCell(cell, now, particles);
  switch (renderMode_) {
    case EmitterRenderMode::oldestFirst:
      std::stable_sort(particles.begin(), particles.end(),
                       [](const Particle& a, const Particle& b) { return a.birthTime < b.birthTime; });
      break;
    case EmitterRenderMode::oldestLast:
      std::stable_sort(particles.begin(), particles.end(),
                       [](const Particle& a, const Particle& b) { return a.birthTime > b.birthTime; });
      break;
    case EmitterRenderMode::unordered:
    case EmitterRenderMode::backToFront:
    case EmitterRenderMode::additive:
      break;
  }
  return particles;
}

void EmitterLayer::particlesOfCell(std::size_t cell, double now, std::vector<Particle>& out) const {
  const EmitterCell& model = cells_[cell];
  const std::vector<RateChange>& history = history_[cell];
  const double earliest = now - longestLifetime(model);
  // Births counted so far: the integral of the rate from local time 0.
  double born = 0;
  // The first particle not yet born (one born right at the end of a stretch is not born again).
  std::uint64_t next = 0;
  std::size_t alive = 0;
  for (std::size_t step = 0; step < history.size(); ++step) {
    const double from = history[step].localTime;
    if (from > now) break;
    const double to = step + 1 < history.size() ? std::min(history[step + 1].localTime, now) : now;
    const double rate = history[step].rate;
    if (rate > 0) {
      // Only births from `earliest` on can still be alive.
      const double skip = std::max(0.0, (earliest - from) * rate);
      auto index = std::max(next, static_cast<std::uint64_t>(std::ceil(born + skip)));
      for (;; ++index) {
        const double birth = from + (static_cast<double>(index) - born) / rate;
        if (birth > to || alive == kMaximumParticlesPerCell) break;
        Particle p = particle(cell, index, birth, now);
        if (p.age < 0) continue;
        out.push_back(p);
        ++alive;
      }
      next = index;
    }
    born += rate * (to - from);
  }
}

Particle EmitterLayer::particle(std::size_t cell, std::uint64_t index, double birthTime, double now) const {
  const EmitterCell& c = cells_[cell];
  ParticleRandom random(seed_, cell, index);
  const double along = random.signedUnit();
  const double across = random.signedUnit();
  const double angle = c.emissionLongitude + random.signedUnit() * c.emissionRange / 2;
  const double speed = (c.velocity + random.signedUnit() * c.velocityRange) * std::cos(c.emissionLatitude);
  const double lifetime = std::max(0.0, c.lifetime + random.signedUnit() * c.lifetimeRange);
  const double alpha = std::clamp(c.color.alpha + random.signedUnit() * c.alphaRange, 0.0, 1.0);
  const double scale = c.scale + random.signedUnit() * c.scaleRange;
  const double edge = random.unit();

  Particle p;
  p.cell = cell;
  p.index = index;
  p.birthTime = birthTime;
  p.age = now - birthTime;
  if (p.age > lifetime || (p.age == lifetime && lifetime > 0)) {
    p.age = -1;
    return p;
  }
  graphics::Point start = emitterPosition_;
  const double halfWidth = emitterSize_.width / 2;
  const double halfHeight = emitterSize_.height / 2;
  switch (shape_) {
    case EmitterShape::point:
      break;
    case EmitterShape::line:
      start.x += along * halfWidth;
      break;
    case EmitterShape::rectangle:
      if (mode_ == EmitterMode::outline) {
        // A point on the perimeter, walked from the top left corner.
        const double perimeter = 4 * (halfWidth + halfHeight);
        double walk = edge * perimeter;
        const double w = 2 * halfWidth;
        const double h = 2 * halfHeight;
        graphics::Point corner{start.x - halfWidth, start.y - halfHeight};
        if (walk < w) {
          start = {corner.x + walk, corner.y};
        } else if ((walk -= w) < h) {
          start = {corner.x + w, corner.y + walk};
        } else if ((walk -= h) < w) {
          start = {corner.x + w - walk, corner.y + h};
        } else {
          start = {corner.x, corner.y + h - (walk - w)};
        }
      } else {
        start.x += along * halfWidth;
        start.y += across * halfHeight;
      }
      break;
  }
  const double t = p.age;
  p.position = {start.x + speed * std::cos(angle) * t,
                start.y + speed * std::sin(angle) * t + c.yAcceleration * t * t / 2};
  p.rotation = c.spin * t;
  p.scale = std::max(0.0, scale + c.scaleSpeed * t);
  p.alpha = alpha;
  return p;
}

}  // namespace platform::ui
