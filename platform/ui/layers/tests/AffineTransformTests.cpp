#include "platform/graphics/AffineTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace platform::graphics {
namespace {

constexpr double pi = std::numbers::pi;

void expectPointNear(Point actual, Point expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

TEST(AffineTransform, RotationByAQuarterTurnTurnsTheXAxisDownOnScreen) {
  expectPointNear(AffineTransform::rotation(pi / 2).apply(Point{1, 0}), {0, 1});
}

TEST(AffineTransform, ConcatAppliesThisTransformFirst) {
  const AffineTransform scaleThenMove = AffineTransform::scale(2, 3).concat(AffineTransform::translation(10, 20));
  expectPointNear(scaleThenMove.apply(Point{1, 1}), {12, 23});
  const AffineTransform moveThenScale = AffineTransform::translation(10, 20).concat(AffineTransform::scale(2, 3));
  expectPointNear(moveThenScale.apply(Point{1, 1}), {22, 63});
}

TEST(AffineTransform, TransformByStepsActFirstAsThePlatformsDo) {
  // Built from the identity: scale, then rotation; the rotation reaches the point first.
  const AffineTransform built = AffineTransform::identity().scaledBy(2, 1).rotatedBy(pi / 2);
  expectPointNear(built.apply(Point{1, 0}), {0, 1});
  expectPointNear(built.apply(Point{0, 1}), {-2, 0});
  expectPointNear(AffineTransform::translation(5, 0).scaledBy(2, 2).apply(Point{1, 1}), {7, 2});
}

TEST(AffineTransform, InvertedUndoesTheTransform) {
  const AffineTransform transform =
      AffineTransform::rotation(0.7).concat(AffineTransform::scale(2, -3)).concat(AffineTransform::translation(4, 5));
  const std::optional<AffineTransform> inverse = transform.inverted();
  ASSERT_TRUE(inverse.has_value());
  expectPointNear(inverse->apply(transform.apply(Point{3, -8})), {3, -8});
}

TEST(AffineTransform, CollapsedOrNonFiniteTransformsHaveNoInverse) {
  EXPECT_FALSE(AffineTransform::scale(0, 1).inverted().has_value());
  EXPECT_FALSE(AffineTransform::translation(NAN, 0).inverted().has_value());
}

TEST(AffineTransform, ApplyingToARectGivesTheBoundingBoxOfItsCorners) {
  const Rect rotated = AffineTransform::rotation(pi / 4).apply(Rect{0, 0, 10, 10});
  const double diagonal = 10 * std::sqrt(2.0);
  EXPECT_NEAR(rotated.x(), -diagonal / 2, 1e-9);
  EXPECT_NEAR(rotated.y(), 0, 1e-9);
  EXPECT_NEAR(rotated.width(), diagonal, 1e-9);
  EXPECT_NEAR(rotated.height(), diagonal, 1e-9);
  EXPECT_EQ(AffineTransform::scale(-1, 1).apply(Rect{1, 2, 3, 4}), (Rect{-4, 2, 3, 4}));
}

}  // namespace
}  // namespace platform::graphics
