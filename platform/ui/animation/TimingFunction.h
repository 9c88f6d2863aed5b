#pragma once

#include <array>
#include <optional>
#include <variant>

#include "platform/graphics/Geometry.h"

namespace platform::ui {

// Maps the elapsed fraction of an animation's duration (0...1) to the fraction of the way
// its value has gone: a cubic Bézier curve from (0, 0) to (1, 1), as the platform's named
// curves are, or a damped spring that may overshoot and settles at 1 by the end.
class TimingFunction {
 public:
  enum class Name { linear, easeIn, easeOut, easeInEaseOut, systemDefault };

  // The platform's default curve.
  TimingFunction();

  static TimingFunction named(Name name);
  // Control points of the curve; x values are clamped to 0...1 so the curve stays a function.
  static TimingFunction bezier(double x1, double y1, double x2, double y2);
  // `dampingRatio` 1 settles without overshoot, smaller ones oscillate (clamped to
  // 0.01...10); `initialVelocity` is in whole distances per duration.
  static TimingFunction spring(double dampingRatio, double initialVelocity);

  double evaluate(double fraction) const;

  bool isSpring() const { return std::holds_alternative<Spring>(curve_); }

  // The four control points of a Bézier curve, (0, 0) first and (1, 1) last; nothing for a
  // spring.
  std::optional<std::array<graphics::Point, 4>> controlPoints() const;

 private:
  struct Bezier {
    double x1, y1, x2, y2;
  };
  struct Spring {
    double dampingRatio;
    double initialVelocity;
    // Angular frequency, per whole duration, chosen so the spring has settled by the end.
    double stiffness;
  };

  explicit TimingFunction(Bezier bezier) : curve_(bezier) {}
  explicit TimingFunction(Spring spring) : curve_(spring) {}

  static double evaluate(const Bezier& bezier, double fraction);
  static double evaluate(const Spring& spring, double fraction);

  std::variant<Bezier, Spring> curve_;
};

}  // namespace platform::ui
