#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Path.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
namespace {

using graphics::Color;
using graphics::Image;
using graphics::PixelRGBA;
using graphics::Rect;

constexpr Color red{1, 0, 0, 1};
constexpr Color blue{0, 0, 1, 1};
constexpr Color black{0, 0, 0, 1};

std::shared_ptr<View> coloured(const Rect& frame, Color colour) {
  auto view = View::make(frame);
  view->setBackgroundColor(colour);
  return view;
}

// The picture as rows of letters: R and B for opaque red and blue, "." for transparent, "?"
// for anything else, so a wrong pixel shows where it is.
std::vector<std::string> letters(const std::optional<Image>& picture) {
  std::vector<std::string> rows;
  if (!picture) return rows;
  for (int y = 0; y < picture->height(); ++y) {
    std::string row;
    for (int x = 0; x < picture->width(); ++x) {
      const PixelRGBA pixel = *picture->pixelAt(x, y);
      if (pixel.alpha == 0) {
        row += '.';
      } else if (pixel == PixelRGBA{255, 0, 0, 255}) {
        row += 'R';
      } else if (pixel == PixelRGBA{0, 0, 255, 255}) {
        row += 'B';
      } else {
        row += '?';
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

TEST(Pictures, AViewTreeIsDrawnFromItsOwnOriginAtTheScaleAsked) {
  auto parent = View::make({0, 0, 50, 60});
  auto view = coloured({30, 40, 10, 10}, red);
  view->addSubview(coloured({2, 3, 5, 5}, blue));
  parent->addSubview(view);

  const std::optional<Image> picture = snapshot(*view, 2);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width(), 20);
  EXPECT_EQ(picture->height(), 20);
  EXPECT_EQ(picture->scale(), 2);
  std::vector<std::string> expected;
  for (int y = 0; y < 20; ++y) {
    std::string row;
    for (int x = 0; x < 20; ++x) row += (x >= 4 && x < 14 && y >= 6 && y < 16) ? 'B' : 'R';
    expected.push_back(row);
  }
  EXPECT_EQ(letters(picture), expected);
}

TEST(PatternColours, TileTheImageFromTheViewsOwnCorner) {
  const std::vector<std::uint8_t> checker{255, 0, 0, 255, 0, 0, 255, 255,  //
                                          0, 0, 255, 255, 255, 0, 0, 255};
  auto root = View::make({0, 0, 11, 10});
  auto view = View::make({1, 0, 10, 10});
  view->setBackgroundPattern(Image::fromRGBA(2, 2, checker));
  root->addSubview(view);

  std::vector<std::string> expected;
  for (int y = 0; y < 10; ++y) expected.push_back(y % 2 == 0 ? ".RBRBRBRBRB" : ".BRBRBRBRBR");
  EXPECT_EQ(letters(snapshot(*root, 1)), expected);
}

TEST(LayerMasks, ACircleMaskLeavesTheCornersTransparent) {
  auto view = coloured({0, 0, 10, 10}, red);
  view->addSubview(coloured({0, 0, 10, 5}, blue));
  auto circle = ShapeLayer::make();
  circle->setFrame({0, 0, 10, 10});
  graphics::Path path;
  path.addEllipse({0, 0, 10, 10});
  circle->setPath(path);
  view->layer()->setMask(circle);

  const std::optional<Image> picture = snapshot(*view, 2);
  ASSERT_TRUE(picture);
  struct Probe {
    int x, y;
    PixelRGBA expected;
  };
  const PixelRGBA clear{0, 0, 0, 0};
  for (const Probe& probe : {Probe{0, 0, clear}, Probe{19, 0, clear}, Probe{0, 19, clear}, Probe{19, 19, clear},
                             Probe{1, 1, clear}, Probe{10, 3, {0, 0, 255, 255}}, Probe{10, 16, {255, 0, 0, 255}},
                             Probe{3, 12, {255, 0, 0, 255}}, Probe{16, 12, {255, 0, 0, 255}}}) {
    EXPECT_EQ(picture->pixelAt(probe.x, probe.y), probe.expected) << probe.x << "," << probe.y;
  }
}

TEST(XorCompositing, TheLayerAndWhatLiesBelowCutEachOtherOut) {
  auto root = View::make({0, 0, 12, 2});
  root->addSubview(coloured({0, 0, 8, 2}, red));
  auto cutter = coloured({4, 0, 8, 2}, blue);
  cutter->layer()->setCompositingFilter("xor");
  root->addSubview(cutter);

  EXPECT_EQ(letters(snapshot(*root, 1)), (std::vector<std::string>{"RRRR....BBBB", "RRRR....BBBB"}));
}

// A knockout: a mask that is opaque everywhere except where an xor sublayer paints, as deep
// as that sublayer's alpha.
TEST(XorCompositing, AnXorSublayerOfTheMaskKnocksAHoleInTheMaskedView) {
  for (const double shapeAlpha : {1.0, 0.25}) {
    SCOPED_TRACE(shapeAlpha);
    auto view = coloured({0, 0, 10, 10}, red);
    auto mask = Layer::make();
    mask->setBounds({-10'000'000, -10'000'000, 20'000'000, 20'000'000});
    mask->setBackgroundColor(black);
    auto shape = Layer::make();
    shape->setFrame({3, 3, 4, 4});
    shape->setBackgroundColor(Color{0, 0, 0, shapeAlpha});
    shape->setCompositingFilter("xor");
    mask->addSublayer(shape);
    view->layer()->setMask(mask);

    const std::optional<Image> picture = snapshot(*view, 1);
    ASSERT_TRUE(picture);
    const int holeAlpha = static_cast<int>(std::lround(255 * (1 - shapeAlpha)));
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const bool inHole = x >= 3 && x < 7 && y >= 3 && y < 7;
        EXPECT_NEAR(picture->pixelAt(x, y)->alpha, inHole ? holeAlpha : 255, 1) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace platform::ui
