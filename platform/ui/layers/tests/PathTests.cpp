#include "platform/graphics/Path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace platform::graphics {
namespace {

using Kind = PathElement::Kind;
constexpr double pi = std::numbers::pi;

void expectRectNear(const Rect& actual, const Rect& expected) {
  EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
  EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
  EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
  EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

// The control points of a cubic that follows a circle lie on or outside it; its midpoint lies on it.
Point cubicMidpoint(Point start, const PathElement& curve) {
  const auto& [c1, c2, end] = curve.points;
  return {(start.x + 3 * c1.x + 3 * c2.x + end.x) / 8, (start.y + 3 * c1.y + 3 * c2.y + end.y) / 8};
}

TEST(Path, LineWithoutACurrentPointStartsTheSubpath) {
  Path path;
  path.lineTo({3, 4});
  path.lineTo({5, 6});
  ASSERT_EQ(path.elements().size(), 2u);
  EXPECT_EQ(path.elements()[0].kind, Kind::moveTo);
  EXPECT_EQ(path.elements()[1].kind, Kind::lineTo);
}

TEST(Path, CloseReturnsTheCurrentPointToTheSubpathStart) {
  Path path;
  path.moveTo({1, 1});
  path.lineTo({5, 1});
  path.close();
  EXPECT_EQ(path.currentPoint(), (Point{1, 1}));
}

TEST(Path, ArcRunsInTheAskedDirectionAndStaysOnItsCircle) {
  struct Case {
    double start;
    double end;
    bool clockwise;
    std::size_t curves;
  };
  const Case cases[] = {
      {0, pi / 2, true, 1},       // a quarter, the short way
      {0, pi / 2, false, 3},      // the long way round
      {0, 2 * pi, true, 4},       // a full circle
      {pi / 2, 0, true, 3},       // increasing angles wrap past 2π
      {0, 10 * pi, true, 4},      // never more than a full turn
  };
  for (const Case& c : cases) {
    Path path;
    path.addArc({10, 10}, 5, c.start, c.end, c.clockwise);
    ASSERT_EQ(path.elements().size(), c.curves + 1) << c.start << " to " << c.end;
    Point current = path.elements()[0].points[0];
    for (std::size_t index = 1; index < path.elements().size(); ++index) {
      const PathElement& curve = path.elements()[index];
      ASSERT_EQ(curve.kind, Kind::curveTo);
      const Point middle = cubicMidpoint(current, curve);
      EXPECT_NEAR(std::hypot(middle.x - 10, middle.y - 10), 5, 1e-3);
      current = curve.points[2];
    }
    EXPECT_NEAR(current.x, 10 + 5 * std::cos(c.end), 1e-9);
    EXPECT_NEAR(current.y, 10 + 5 * std::sin(c.end), 1e-9);
  }
}

TEST(Path, ArcJoinsTheCurrentPointWithALine) {
  Path path;
  path.moveTo({0, 0});
  path.addArc({10, 0}, 5, pi, 2 * pi, true);
  EXPECT_EQ(path.elements()[1].kind, Kind::lineTo);
  EXPECT_NEAR(path.elements()[1].points[0].x, 5, 1e-9);
}

TEST(Path, ShapesCoverTheirRectangle) {
  Path rect;
  rect.addRect({10, 20, -4, 6});
  expectRectNear(rect.boundingBox(), {6, 20, 4, 6});

  Path rounded;
  rounded.addRoundedRect({0, 0, 40, 20}, 100);
  expectRectNear(rounded.boundingBox(), {0, 0, 40, 20});
  EXPECT_EQ(rounded.elements().back().kind, Kind::close);

  Path ellipse;
  ellipse.addEllipse({0, 0, 30, 10});
  expectRectNear(ellipse.boundingBox(), {0, 0, 30, 10});
}

TEST(Path, NonFiniteStepsAreDropped) {
  Path path;
  path.moveTo({NAN, 0});
  path.addArc({0, 0}, INFINITY, 0, 1, true);
  path.addArc({0, 0}, 1, 0, -INFINITY, true);
  path.addRect({0, 0, NAN, 1});
  EXPECT_TRUE(path.isEmpty());
  EXPECT_FALSE(path.currentPoint().has_value());
}

}  // namespace
}  // namespace platform::graphics
