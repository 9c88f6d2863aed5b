#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/builders/ElementFactory.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"
#include "testing/ReferenceImage.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Image;
using platform::graphics::Rect;
using platform::ui::View;

constexpr double kScale = 2;

::testing::AssertionResult matchesReference(const std::optional<Image>& actual, const std::string& name) {
  return testing::matchesReference(actual, "src/engine/tests/reference", name);
}

// Vertical stripes, 10 points wide, dark blue and amber.
Image stripes() {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool dark = x < 10;
      rgba.insert(rgba.end(), {std::uint8_t(dark ? 20 : 250), std::uint8_t(dark ? 30 : 180),
                               std::uint8_t(dark ? 60 : 40), 255});
    }
  }
  return *Image::fromRGBA(20, 10, rgba);
}

TEST(ElementBuilderPixels, GlassViewFrostsTheStripesAndShadesOnlyItsInside) {
  auto root = View::make({0, 0, 220, 140});
  root->setBackgroundPattern(stripes());
  Value glass = ElementTemplateFactory::sharedInstance().GlassView();
  glass["frame"] = {{"x", "30"}, {"y", "25"}, {"width", "160"}, {"height", "80"}};
  root->addSubview(ElementFactory::createGlassViewForView(glass, 1, root->bounds()));

  EXPECT_TRUE(matchesReference(platform::ui::snapshot(*root, kScale), "glass-view-over-stripes"));
}

TEST(ElementBuilderPixels, GlassViewWithoutBlurShowsItsInnerShadowInsideTheBorderOnly) {
  auto root = View::make({0, 0, 220, 140});
  root->setBackgroundColor(Color{0.95, 0.95, 0.97, 1});
  Value glass = ElementTemplateFactory::sharedInstance().GlassView();
  glass["frame"] = {{"x", "30"}, {"y", "25"}, {"width", "160"}, {"height", "80"}};
  glass["blurAlpha"] = "0";
  glass["backgroundColor"] = "rgba(120,180,255,1)";
  glass["borderColor"] = "rgba(255,255,255,1)";
  glass["boxShadow"]["color"] = "rgba(0,0,0,0)";
  root->addSubview(ElementFactory::createGlassViewForView(glass, 1, root->bounds()));

  EXPECT_TRUE(matchesReference(platform::ui::snapshot(*root, kScale), "glass-view-inner-shadow"));
}

TEST(ElementBuilderPixels, CircleProgressShowsThreeQuartersFromTheTop) {
  auto root = View::make({0, 0, 100, 100});
  root->setBackgroundColor(Color{1, 1, 1, 1});
  Value ring = ElementTemplateFactory::sharedInstance().CircleProgress();
  ring["frame"] = {{"x", "10"}, {"y", "10"}, {"width", "80"}, {"height", "80"}};
  ring["ringWidth"] = "8";
  ring["ringColor"] = "rgba(30,140,255,1)";
  ring["ringBackgroundColor"] = "rgba(220,220,225,1)";
  root->addSubview(ElementFactory::createCircleProgressForView(ring, 1, root->bounds()));

  EXPECT_TRUE(matchesReference(platform::ui::snapshot(*root, kScale), "circle-progress-three-quarters"));
}

TEST(ElementBuilderPixels, BatteryBarSitsInsideItsBorder) {
  auto root = View::make({0, 0, 134, 44});
  root->setBackgroundColor(Color{0.15, 0.15, 0.2, 1});
  Value bar = ElementTemplateFactory::sharedInstance().BatteryBar();
  bar["frame"] = {{"x", "15"}, {"y", "15"}, {"width", "100"}, {"height", "10"}};
  bar["radius"] = "3";
  bar["borderWidth"] = "2";
  bar["borderColor"] = "rgba(255,255,255,1)";
  bar["backColor"] = "rgba(90,90,100,1)";
  root->addSubview(ElementFactory::createBatteryBarForView(bar, 1, root->bounds()));

  EXPECT_TRUE(matchesReference(platform::ui::snapshot(*root, kScale), "battery-bar-bordered"));
}

}  // namespace
}  // namespace vantile
