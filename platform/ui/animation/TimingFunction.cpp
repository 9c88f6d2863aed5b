#include "platform/ui/animation/TimingFunction.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

// One coordinate of a cubic Bézier curve from 0 to 1 with inner control values p1 and p2.
double bezierCoordinate(double p1, double p2, double t) {
  const double u = 1 - t;
  return 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t;
}

double bezierSlope(double p1, double p2, double t) {
  const double u = 1 - t;
  return 3 * u * u * p1 + 6 * u * t * (p2 - p1) + 3 * t * t * (1 - p2);
}

// The spring has settled when its swing is below this share of the distance.
constexpr double settledShare = 1e-3;

}  // namespace

TimingFunction::TimingFunction() : TimingFunction(named(Name::systemDefault)) {}

TimingFunction TimingFunction::named(Name name) {
  switch (name) {
    case Name::linear:
      return bezier(0, 0, 1, 1);
    case Name::easeIn:
      return bezier(0.42, 0, 1, 1);
    case Name::easeOut:
      return bezier(0, 0, 0.58, 1);
    case Name::easeInEaseOut:
      return bezier(0.42, 0, 0.58, 1);
    case Name::systemDefault:
      return bezier(0.25, 0.1, 0.25, 1);
  }
  return bezier(0, 0, 1, 1);
}

TimingFunction TimingFunction::bezier(double x1, double y1, double x2, double y2) {
  const auto finiteOr = [](double value, double fallback) { return std::isfinite(value) ? value : fallback; };
  return TimingFunction(Bezier{std::clamp(finiteOr(x1, 0), 0.0, 1.0), finiteOr(y1, 0),
                               std::clamp(finiteOr(x2, 1), 0.0, 1.0), finiteOr(y2, 1)});
}

TimingFunction TimingFunction::spring(double dampingRatio, double initialVelocity) {
  const double ratio = std::clamp(std::isfinite(dampingRatio) ? dampingRatio : 1.0, 0.01, 10.0);
  const double velocity = std::isfinite(initialVelocity) ? initialVelocity : 0.0;
  // The slowest decay rate of the motion is ratio·ω below critical damping and
  // ω·(ratio − √(ratio² − 1)) above; pick ω so that it has shrunk to the settled share at 1.
  const double decayPerStiffness = ratio < 1 ? ratio : ratio - std::sqrt(ratio * ratio - 1);
  // Critical damping decays as (1 + ωt)·e^(−ωt), a little slower than e^(−ωt): allow for it.
  const double margin = ratio == 1 ? 1.5 : 1.0;
  const double stiffness = margin * -std::log(settledShare) / decayPerStiffness;
  return TimingFunction(Spring{ratio, velocity, stiffness});
}

std::optional<std::array<graphics::Point, 4>> TimingFunction::controlPoints() const {
  const Bezier* curve = std::get_if<Bezier>(&curve_);
  if (curve == nullptr) {
    return std::nullopt;
  }
  return std::array<graphics::Point, 4>{
      graphics::Point{0, 0}, graphics::Point{curve->x1, curve->y1}, graphics::Point{curve->x2, curve->y2},
      graphics::Point{1, 1}};
}

double TimingFunction::evaluate(double fraction) const {
  if (!(fraction > 0)) {
    return 0;
  }
  if (fraction >= 1) {
    return 1;
  }
  return std::visit([fraction](const auto& curve) { return evaluate(curve, fraction); }, curve_);
}

double TimingFunction::evaluate(const Bezier& bezier, double fraction) {
  // Control points on the diagonal make the straight line: exact, without solving.
  if (bezier.x1 == bezier.y1 && bezier.x2 == bezier.y2) {
    return fraction;
  }
  // Finds the curve parameter whose x is `fraction`: Newton's method, falling back to
  // bisection where the slope is flat.
  double t = fraction;
  for (int step = 0; step < 8; ++step) {
    const double error = bezierCoordinate(bezier.x1, bezier.x2, t) - fraction;
    if (std::fabs(error) < 1e-9) {
      return bezierCoordinate(bezier.y1, bezier.y2, t);
    }
    const double slope = bezierSlope(bezier.x1, bezier.x2, t);
    if (std::fabs(slope) < 1e-6) {
      break;
    }
    t = std::clamp(t - error / slope, 0.0, 1.0);
  }
  double low = 0;
  double high = 1;
  t = fraction;
  for (int step = 0; step < 60; ++step) {
    const double x = bezierCoordinate(bezier.x1, bezier.x2, t);
    if (std::fabs(x - fraction) < 1e-9) {
      break;
    }
    (x < fraction ? low : high) = t;
    t = (low + high) / 2;
  }
  return bezierCoordinate(bezier.y1, bezier.y2, t);
}

double TimingFunction::evaluate(const Spring& spring, double fraction) {
  // The offset from the target, y, starts at −1 with velocity v and obeys
  // y'' + 2ζω·y' + ω²·y = 0; the value is 1 + y.
  const double zeta = spring.dampingRatio;
  const double omega = spring.stiffness;
  const double v = spring.initialVelocity;
  const double t = fraction;
  double offset = 0;
  if (zeta < 1) {
    const double damped = omega * std::sqrt(1 - zeta * zeta);
    const double sine = (v - zeta * omega) / damped;
    offset = std::exp(-zeta * omega * t) * (-std::cos(damped * t) + sine * std::sin(damped * t));
  } else if (zeta == 1) {
    offset = std::exp(-omega * t) * (-1 + (v - omega) * t);
  } else {
    const double root = std::sqrt(zeta * zeta - 1);
    const double slow = -omega * (zeta - root);
    const double fast = -omega * (zeta + root);
    const double fastShare = (v + slow) / (fast - slow);
    offset = (-1 - fastShare) * std::exp(slow * t) + fastShare * std::exp(fast * t);
  }
  return 1 + offset;
}

}  // namespace platform::ui
