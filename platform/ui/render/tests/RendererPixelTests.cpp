#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/FontRegistry.h"
#include "platform/ui/layers/EmitterLayer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ImageView.h"
#include "testing/ReferenceImage.h"

namespace platform::ui {
namespace {

using graphics::Color;
using graphics::Image;
using graphics::Rect;

constexpr double kScale = 2;

::testing::AssertionResult matchesReference(const std::optional<Image>& actual, const std::string& name) {
  return vantile::testing::matchesReference(actual, "platform/ui/render/tests/reference", name);
}
constexpr Color white{1, 1, 1, 1};
constexpr Color paleGrey{0.9, 0.9, 0.92, 1};

// An image of `columns` × `rows` blocks of `block` pixels, each block coloured by the function.
template <typename ColourOf>
Image blockImage(int columns, int rows, int block, ColourOf colourOf) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < rows * block; ++y) {
    for (int x = 0; x < columns * block; ++x) {
      const auto [r, g, b] = colourOf(x / block, y / block);
      rgba.insert(rgba.end(), {r, g, b, 255});
    }
  }
  return *Image::fromRGBA(columns * block, rows * block, rgba);
}

TEST(RendererPixels, MasksToBoundsClipsSubviewsToTheRoundedCorners) {
  auto root = View::make({0, 0, 120, 120});
  root->setBackgroundColor(paleGrey);
  auto card = View::make({10, 10, 100, 100});
  card->layer()->setCornerRadius(30);
  card->setClipsToBounds(true);
  card->setBackgroundColor(white);
  auto top = View::make({-20, -20, 140, 70});
  top->setBackgroundColor(Color{0.9, 0.2, 0.2, 1});
  auto bottom = View::make({0, 50, 100, 50});
  bottom->setBackgroundColor(Color{0.2, 0.3, 0.9, 1});
  card->addSubview(top);
  card->addSubview(bottom);
  root->addSubview(card);

  EXPECT_TRUE(matchesReference(snapshot(*root, kScale), "rounded-clipping"));
}

TEST(RendererPixels, ShapeLayerStrokesAQuarterOfTheRing) {
  auto root = View::make({0, 0, 100, 100});
  root->setBackgroundColor(white);
  graphics::Path circle;
  circle.addArc({50, 50}, 38, -std::numbers::pi / 2, 3 * std::numbers::pi / 2, true);
  for (auto [colour, end] : {std::pair{Color{0.88, 0.88, 0.9, 1}, 1.0}, std::pair{Color{0.1, 0.6, 0.3, 1}, 0.25}}) {
    auto ring = ShapeLayer::make();
    ring->setFrame({0, 0, 100, 100});
    ring->setPath(circle);
    ring->setFillColor(std::nullopt);
    ring->setStrokeColor(colour);
    ring->setLineWidth(10);
    ring->setLineCap(LineCap::round);
    ring->setStrokeEnd(end);
    root->layer()->addSublayer(ring);
  }

  EXPECT_TRUE(matchesReference(snapshot(*root, kScale), "ring-quarter"));
}

TEST(RendererPixels, AspectFitCentresTheImageInAWideView) {
  const Image quadrants = blockImage(2, 2, 20, [](int column, int row) {
    static constexpr std::uint8_t colours[2][2][3] = {{{230, 60, 50}, {40, 170, 80}}, {{40, 90, 220}, {250, 200, 40}}};
    const auto& c = colours[row][column];
    return std::tuple{c[0], c[1], c[2]};
  });
  auto view = ImageView::make(Rect{0, 0, 160, 60});
  view->setBackgroundColor(paleGrey);
  view->setImage(quadrants);
  view->setContentMode(ContentMode::scaleAspectFit);

  EXPECT_TRUE(matchesReference(snapshot(*view, kScale), "fit-inside-wide-view"));
}

TEST(RendererPixels, LabelDrawsInARegisteredFont) {
  const std::optional<std::string> name =
      graphics::FontRegistry::shared().registerFontFile("/usr/share/fonts/opentype/inter/Inter-Bold.otf");
  ASSERT_EQ(name, "Inter-Bold");
  auto label = Label::make({0, 0, 220, 60});
  label->setBackgroundColor(white);
  label->setFont({*name, 28});
  label->setTextColor({0.1, 0.1, 0.15, 1});
  label->setTextAlignment(TextAlignment::center);
  label->setText("Vantile 12:45");

  EXPECT_TRUE(matchesReference(snapshot(*label, kScale), "label-inter-bold"));
}

TEST(RendererPixels, BlurViewFrostsTheStripesBehindIt) {
  auto root = View::make({0, 0, 200, 120});
  root->setBackgroundPattern(blockImage(2, 1, 10, [](int column, int) {
    return column == 0 ? std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>{20, 30, 60}
                       : std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>{250, 180, 40};
  }));
  auto glass = BlurView::make(BlurStyle::light, {20, 20, 160, 80});
  glass->layer()->setCornerRadius(16);
  EffectDescriptor descriptor = glass->currentEffectDescriptor();
  descriptor.filterEntries.front().requestedValues["inputRadius"] = 8;
  glass->setCurrentEffectDescriptor(descriptor);
  glass->applyRequestedFilterEffects();
  auto dot = View::make({70, 30, 20, 20});
  dot->setBackgroundColor(white);
  glass->contentView()->addSubview(dot);
  root->addSubview(glass);

  EXPECT_TRUE(matchesReference(snapshot(*root, kScale), "blur-over-stripes"));
}

TEST(RendererPixels, RainFallsOverADarkBackgroundAddingItsLight) {
  foundation::MainQueue& queue = foundation::MainQueue::shared();
  queue.clear();
  queue.useManualClock(10'000);
  auto root = View::make({0, 0, 160, 200});
  root->setBackgroundColor(Color{0.05, 0.06, 0.12, 1});
  auto rain = EmitterLayer::make();
  rain->setFrame({0, 0, 160, 200});
  rain->setEmitterPosition({80, 0});
  rain->setEmitterSize({160, 0});
  rain->setEmitterShape(EmitterShape::rectangle);
  rain->setRenderMode(EmitterRenderMode::additive);
  EmitterCell drop;
  drop.name = "animation";
  drop.birthRate = 40;
  drop.lifetime = 1;
  drop.lifetimeRange = 0.5;
  drop.velocity = 300;
  drop.velocityRange = 60;
  drop.emissionLongitude = 1.432394487827058;
  drop.color = Color{1, 1, 1, 0.6};
  drop.contents = blockImage(1, 6, 2, [](int, int) { return std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>{200, 220, 255}; });
  rain->setEmitterCells({drop});
  rain->setBeginTime(queue.now() - 2);
  root->layer()->addSublayer(rain);

  EXPECT_TRUE(matchesReference(snapshot(*root, kScale), "rain-over-dark"));
  queue.clear();
  queue.useRealClock();
}

}  // namespace
}  // namespace platform::ui
