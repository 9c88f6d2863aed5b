#pragma once

#include <array>

#include "platform/graphics/Geometry.h"
#include "platform/ui/animation/TimingFunction.h"

namespace vantile {

// The cubic Bézier of a timing curve: x is the time fraction, y the distance fraction.
using CurveControlPoints = std::array<platform::graphics::Point, 4>;

// The control points of a Bézier timing function; the linear curve's for a spring.
CurveControlPoints controlPoints(const platform::ui::TimingFunction& function);

double YforCurveAt(double t, const CurveControlPoints& points);
double XforCurveAt(double t, const CurveControlPoints& points);
double derivativeYValueForCurveAt(double t, const CurveControlPoints& points);

// The curve parameter at which y reaches `y`, by Newton's method from t = y, at most 15
// evaluations; a flat slope or no convergence logs and answers the last t evaluated.
double solveTForY(double y, double epsilon, const CurveControlPoints& points);

// The time fraction at which the curve has covered `position` of the distance, to a
// hundredth of a second of `duration`.
double durationPercentageForPositionPercentage(const platform::ui::TimingFunction& function, double position,
                                               double duration);

}  // namespace vantile
