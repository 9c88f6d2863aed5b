#include "engine/marquee/MarqueeTimingCurve.h"

#include <cmath>

#include "platform/foundation/files/SystemLog.h"

namespace vantile {

using platform::graphics::Point;

namespace {

constexpr int maximumEvaluations = 15;
constexpr double flatSlope = 1e-6;

double cubic(double t, double p0, double p1, double p2, double p3) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

}  // namespace

CurveControlPoints controlPoints(const platform::ui::TimingFunction& function) {
  return function.controlPoints().value_or(CurveControlPoints{Point{0, 0}, Point{0, 0}, Point{1, 1}, Point{1, 1}});
}

double YforCurveAt(double t, const CurveControlPoints& p) { return cubic(t, p[0].y, p[1].y, p[2].y, p[3].y); }

double XforCurveAt(double t, const CurveControlPoints& p) { return cubic(t, p[0].x, p[1].x, p[2].x, p[3].x); }

double derivativeYValueForCurveAt(double t, const CurveControlPoints& p) {
  const double u = 1 - t;
  return 3 * u * u * (p[1].y - p[0].y) + 6 * u * t * (p[2].y - p[1].y) + 3 * t * t * (p[3].y - p[2].y);
}

double solveTForY(double y, double epsilon, const CurveControlPoints& points) {
  double t = y;
  for (int evaluation = 1; evaluation <= maximumEvaluations; ++evaluation) {
    const double miss = YforCurveAt(t, points) - y;
    if (std::abs(miss) < epsilon) {
      return t;
    }
    if (evaluation == maximumEvaluations) {
      break;
    }
    const double slope = derivativeYValueForCurveAt(t, points);
    if (std::abs(slope) < flatSlope) {
      platform::foundation::systemLog("MarqueeLabel: Newton's Method failure, small/zero derivative!");
      break;
    }
    t -= miss / slope;
  }
  platform::foundation::systemLog("MarqueeLabel: Failed to find t for Y input!");
  return t;
}

double durationPercentageForPositionPercentage(const platform::ui::TimingFunction& function, double position,
                                               double duration) {
  const CurveControlPoints points = controlPoints(function);
  const double epsilon = 1 / (duration * 100);
  return XforCurveAt(solveTForY(position, epsilon, points), points);
}

}  // namespace vantile
