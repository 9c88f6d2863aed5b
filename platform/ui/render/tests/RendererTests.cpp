#include "platform/ui/render/Renderer.h"

#include <gtest/gtest.h>

#include <numbers>
#include <optional>

#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
namespace {

using graphics::Color;
using graphics::Image;
using graphics::PixelRGBA;
using graphics::Rect;

constexpr Color red{1, 0, 0, 1};
constexpr Color blue{0, 0, 1, 1};

// Renders at scale 1, so points are pixels.
PixelRGBA pixelAt(const View& root, int x, int y) {
  const std::optional<Image> image = snapshot(root, 1);
  if (!image) return {};
  return image->pixelAt(x, y).value_or(PixelRGBA{});
}

std::shared_ptr<View> coloured(const Rect& frame, Color colour) {
  auto view = View::make(frame);
  view->setBackgroundColor(colour);
  return view;
}

bool isTransparent(PixelRGBA pixel) { return pixel.alpha == 0; }

TEST(Renderer, FillsBackgroundsWhereTheFramesPlaceThem) {
  auto root = View::make({0, 0, 40, 40});
  auto child = coloured({10, 10, 20, 20}, red);
  child->addSubview(coloured({5, 5, 5, 5}, blue));
  root->addSubview(child);

  EXPECT_TRUE(isTransparent(pixelAt(*root, 5, 5)));
  EXPECT_EQ(pixelAt(*root, 12, 12), (PixelRGBA{255, 0, 0, 255}));
  EXPECT_EQ(pixelAt(*root, 17, 17), (PixelRGBA{0, 0, 255, 255}));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 31, 31)));
}

TEST(Renderer, SkipsHiddenAndFullyTransparentLayers) {
  auto root = View::make({0, 0, 20, 20});
  auto hidden = coloured({0, 0, 10, 20}, red);
  hidden->setHidden(true);
  auto clear = coloured({10, 0, 10, 20}, red);
  clear->setAlpha(0);
  root->addSubview(hidden);
  root->addSubview(clear);

  EXPECT_TRUE(isTransparent(pixelAt(*root, 5, 5)));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 15, 5)));
}

TEST(Renderer, CompositesATranslucentLayerWithSublayersAsOneGroup) {
  auto root = View::make({0, 0, 20, 20});
  auto parent = coloured({0, 0, 20, 20}, red);
  parent->setAlpha(0.5);
  parent->addSubview(coloured({0, 0, 10, 10}, red));
  root->addSubview(parent);

  // Red over red inside the group stays red at half alpha, not three quarters.
  EXPECT_NEAR(pixelAt(*root, 5, 5).alpha, 128, 1);
  EXPECT_NEAR(pixelAt(*root, 15, 15).alpha, 128, 1);
}

TEST(Renderer, DrawsTheBorderInsideTheBoundsAboveSubviews) {
  auto root = View::make({0, 0, 30, 30});
  auto box = coloured({5, 5, 20, 20}, blue);
  box->layer()->setBorderWidth(3);
  box->layer()->setBorderColor(red);
  box->addSubview(coloured({0, 0, 20, 20}, blue));
  root->addSubview(box);

  EXPECT_EQ(pixelAt(*root, 6, 15), (PixelRGBA{255, 0, 0, 255}));
  EXPECT_EQ(pixelAt(*root, 9, 15), (PixelRGBA{0, 0, 255, 255}));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 4, 15)));
}

TEST(Renderer, TurnsLayersAroundTheirAnchorPoint) {
  auto root = View::make({0, 0, 40, 40});
  auto bar = coloured({0, 15, 40, 10}, red);
  bar->setTransform(graphics::AffineTransform::rotation(std::numbers::pi / 2));
  root->addSubview(bar);

  EXPECT_EQ(pixelAt(*root, 20, 2), (PixelRGBA{255, 0, 0, 255}));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 2, 20)));
}

TEST(Renderer, DrawsGradientsFromStartToEndPoint) {
  auto root = View::make({0, 0, 10, 100});
  auto gradient = GradientLayer::make();
  gradient->setFrame({0, 0, 10, 100});
  gradient->setColors({red, blue});
  root->layer()->addSublayer(gradient);

  const PixelRGBA top = pixelAt(*root, 5, 0);
  const PixelRGBA bottom = pixelAt(*root, 5, 99);
  EXPECT_GT(top.red, 245);
  EXPECT_LT(top.blue, 10);
  EXPECT_GT(bottom.blue, 245);
  EXPECT_LT(bottom.red, 10);
}

TEST(Renderer, CutsALayerAndItsSublayersWithItsMaskView) {
  auto root = View::make({0, 0, 20, 20});
  auto masked = coloured({0, 0, 20, 20}, red);
  masked->addSubview(coloured({0, 0, 20, 20}, blue));
  masked->setMaskView(coloured({0, 0, 10, 20}, Color{0, 0, 0, 1}));
  root->addSubview(masked);

  EXPECT_EQ(pixelAt(*root, 5, 10), (PixelRGBA{0, 0, 255, 255}));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 15, 10)));
}

TEST(Renderer, DrawsAShadowBelowTheLayer) {
  auto root = View::make({0, 0, 60, 60});
  auto card = coloured({10, 10, 30, 30}, Color{1, 1, 1, 1});
  card->layer()->setShadowOpacity(1);
  card->layer()->setShadowOffset({0, 10});
  card->layer()->setShadowRadius(2);
  root->addSubview(card);

  EXPECT_GT(pixelAt(*root, 25, 45).alpha, 200);
  EXPECT_EQ(pixelAt(*root, 25, 25), (PixelRGBA{255, 255, 255, 255}));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 25, 5)));
}

void castShadow(View& view, graphics::Size offset, double radius) {
  view.layer()->setShadowOpacity(1);
  view.layer()->setShadowOffset(offset);
  view.layer()->setShadowRadius(radius);
}

// The lowest row of column x that the picture paints, if any.
std::optional<int> lowestInkedRow(const Image& image, int x) {
  for (int y = image.height() - 1; y >= 0; --y) {
    if (image.pixelAt(x, y).value_or(PixelRGBA{}).alpha > 0) return y;
  }
  return std::nullopt;
}

TEST(Renderer, ALabelWithAClearBackgroundCastsTheShadowOfItsGlyphsOnly) {
  auto root = View::make({0, 0, 120, 50});
  auto label = Label::make({10, 5, 100, 30});
  label->setBackgroundColor(Color{0, 0, 0, 0});
  label->setTextColor(Color{1, 1, 1, 1});
  label->setText("III");
  root->addSubview(label);
  const std::optional<Image> plain = snapshot(*root, 1);
  ASSERT_TRUE(plain);
  int glyphColumn = -1;
  for (int x = 10; x < 110 && glyphColumn < 0; ++x) {
    if (lowestInkedRow(*plain, x)) glyphColumn = x;
  }
  ASSERT_GE(glyphColumn, 0);
  // The middle of the glyph's stem, so the blur is not thinned by its side.
  const int stem = glyphColumn + 1;
  const int glyphBottom = *lowestInkedRow(*plain, stem);

  castShadow(*label, {0, 4}, 2);
  EXPECT_GT(pixelAt(*root, stem, glyphBottom + 3).alpha, 80);
  EXPECT_TRUE(isTransparent(pixelAt(*root, stem, glyphBottom + 12)));
  // Below the label's empty right part, where a shadow of its bounds would fall.
  EXPECT_TRUE(isTransparent(pixelAt(*root, 100, 36)));
}

TEST(Renderer, AClearWrapperCastsTheRoundedShadowOfItsClippedSubview) {
  auto root = View::make({0, 0, 120, 120});
  auto wrapper = View::make({20, 20, 80, 80});
  wrapper->setBackgroundColor(Color{0, 0, 0, 0});
  castShadow(*wrapper, {0, 0}, 8);
  auto card = coloured({0, 0, 80, 80}, Color{1, 1, 1, 1});
  card->layer()->setCornerRadius(20);
  card->setClipsToBounds(true);
  card->addSubview(coloured({0, 0, 80, 80}, Color{1, 1, 1, 1}));
  wrapper->addSubview(card);
  root->addSubview(wrapper);

  // Both probes lie four points outside the rounded outline: in the square corner, and above
  // the middle of the top edge.
  const PixelRGBA corner = pixelAt(*root, 23, 23);
  const PixelRGBA edge = pixelAt(*root, 60, 16);
  EXPECT_GT(edge.alpha, 20);
  EXPECT_LT(corner.alpha, edge.alpha);
}

TEST(Renderer, ATurnedLayerCastsItsShadowAlongTheSuperlayersAxes) {
  auto root = View::make({0, 0, 100, 110});
  auto bar = coloured({20, 45, 60, 10}, Color{1, 1, 1, 1});
  bar->setTransform(graphics::AffineTransform::rotation(std::numbers::pi / 2));
  castShadow(*bar, {0, 20}, 0);
  root->addSubview(bar);

  // The bar now stands from y 20 to 80; its shadow reaches 20 points further down.
  EXPECT_GT(pixelAt(*root, 50, 90).alpha, 200);
  EXPECT_TRUE(isTransparent(pixelAt(*root, 30, 50)));
  EXPECT_TRUE(isTransparent(pixelAt(*root, 70, 50)));
}

TEST(Renderer, ALayerThatClipsItsSublayersStillCastsItsShadowOutsideItsBounds) {
  auto root = View::make({0, 0, 100, 80});
  auto card = coloured({20, 20, 40, 40}, Color{1, 1, 1, 1});
  card->setClipsToBounds(true);
  card->addSubview(coloured({30, 0, 40, 10}, blue));
  castShadow(*card, {0, 10}, 2);
  root->addSubview(card);

  EXPECT_GT(pixelAt(*root, 40, 65).alpha, 200);
  // The clipped-away part of the sublayer casts nothing.
  EXPECT_TRUE(isTransparent(pixelAt(*root, 80, 35)));
}

TEST(Renderer, ATranslucentLayerCastsItsShadowAtItsOpacity) {
  auto root = View::make({0, 0, 60, 60});
  auto card = coloured({10, 10, 30, 30}, Color{1, 1, 1, 1});
  card->addSubview(coloured({0, 0, 10, 10}, blue));
  card->setAlpha(0.5);
  castShadow(*card, {0, 15}, 0);
  root->addSubview(card);

  EXPECT_NEAR(pixelAt(*root, 25, 50).alpha, 128, 2);
}

TEST(Renderer, PaintsTemplateImagesInTheTintColour) {
  const std::vector<std::uint8_t> blackOpaque(4 * 4 * 4, 255);
  std::vector<std::uint8_t> rgba = blackOpaque;
  auto view = ImageView::make(Image::fromRGBA(4, 4, rgba));
  view->setRenderingMode(ImageRenderingMode::alwaysTemplate);
  view->setTintColor(Color{0, 1, 0, 1});

  EXPECT_EQ(pixelAt(*view, 2, 2), (PixelRGBA{0, 255, 0, 255}));
}

TEST(Renderer, LabelTextLandsInsideItsBounds) {
  auto root = View::make({0, 0, 100, 40});
  auto label = Label::make({0, 0, 100, 40});
  label->setText("Hello");
  root->addSubview(label);

  const std::optional<Image> image = snapshot(*root, 1);
  ASSERT_TRUE(image);
  int inked = 0;
  for (std::uint32_t pixel : image->pixels()) inked += (pixel >> 24) > 0;
  EXPECT_GT(inked, 20);
}

TEST(Renderer, RefusesPicturesWithoutPixels) {
  auto view = View::make({0, 0, 0, 10});
  EXPECT_FALSE(snapshot(*view, 1));
  EXPECT_FALSE(renderLayerTree(*view->layer(), {10, 10}, 0));
  EXPECT_FALSE(renderLayerTree(*view->layer(), {1e9, 1e9}, 3));
}

}  // namespace
}  // namespace platform::ui
