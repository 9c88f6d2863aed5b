#include <gtest/gtest.h>

#include "engine/builders/ElementFactory.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/views/View.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Point;
using platform::graphics::Rect;
using platform::ui::LineCap;
using platform::ui::ShapeLayer;

constexpr Rect kScreen{0, 0, 375, 812};

Value parse(const char* json) { return Value::parse(json); }

// --- bars ---

TEST(BarBuilders, GrowABorderedBarOutwardAroundTrackAndFill) {
  struct Case {
    ElementFactory::Builder builder;
    const char* type;
    std::int64_t fillTag;
    bool interactive;
  };
  const Case cases[] = {
      {&ElementFactory::createBatteryBarForView, "BatteryBar", 9968, false},
      {&ElementFactory::createElapsedBarForView, "ElapsedBar", 9968, false},
      {&ElementFactory::createProgressBarForView, "ProgressBar", 9937, true},
  };
  const Value description = parse(R"json({"frame": {"x": "20", "y": "30", "width": "100", "height": "10"},
      "radius": "3", "borderWidth": "2", "borderColor": "rgba(255,255,255,1)",
      "backColor": "rgba(0,0,0,1)", "innerColor": "rgba(0,255,0,1)"})json");
  for (const Case& c : cases) {
    const auto bar = c.builder(description, 5, kScreen);
    EXPECT_EQ(bar->frame(), (Rect{20, 30, 104, 14})) << c.type;
    ASSERT_EQ(bar->subviews().size(), 2u) << c.type;
    const auto& track = bar->subviews()[0];
    const auto& fill = bar->subviews()[1];
    EXPECT_EQ(track->frame(), (Rect{2, 2, 100, 10})) << c.type;
    EXPECT_EQ(fill->frame(), (Rect{2, 2, 80, 10})) << c.type;
    EXPECT_EQ(fill->tag(), c.fillTag) << c.type;
    EXPECT_EQ(bar->viewWithTag(c.fillTag), fill) << c.type << ": the host finds the fill by its tag";
    EXPECT_EQ(track->backgroundColor(), (Color{0, 0, 0, 1})) << c.type;
    EXPECT_EQ(fill->backgroundColor(), (Color{0, 1, 0, 1})) << c.type;
    EXPECT_EQ(track->layer()->cornerRadius(), 3) << c.type;
    EXPECT_EQ(bar->layer()->cornerRadius(), 3 + 2 + 1) << c.type;
    EXPECT_EQ(bar->layer()->borderWidth(), 2) << c.type;
    EXPECT_EQ(bar->layer()->borderColor(), (Color{1, 1, 1, 1})) << c.type;
    EXPECT_EQ(bar->tag(), 5) << c.type;
    EXPECT_EQ(bar->isUserInteractionEnabled(), c.interactive) << c.type;
  }
}

TEST(BarBuilders, RunTheBorderStepWithAZeroWidthWhenTheKeyIsThere) {
  const auto bar = ElementFactory::createBatteryBarForView(ElementTemplateFactory::sharedInstance().BatteryBar(), 5,
                                                           kScreen);
  EXPECT_EQ(bar->frame().size, (platform::graphics::Size{30, 15}));
  EXPECT_EQ(bar->subviews()[0]->frame(), (Rect{0, 0, 30, 15}));
  EXPECT_EQ(bar->subviews()[1]->frame(), (Rect{0, 0, 10, 15}));
  EXPECT_EQ(bar->layer()->cornerRadius(), 3);
  EXPECT_EQ(bar->layer()->borderWidth(), 0);

  const auto unbordered = ElementFactory::createBatteryBarForView(parse(R"json({"radius": "2"})json"), 5, kScreen);
  EXPECT_EQ(unbordered->layer()->cornerRadius(), 0) << "without the key the container stays as it was";
}

// --- ring ---

std::shared_ptr<ShapeLayer> shapeAt(const platform::ui::View& ring, std::size_t index) {
  const auto& ringView = ring.subviews().at(0);
  return std::dynamic_pointer_cast<ShapeLayer>(ringView->layer()->sublayers().at(index));
}

TEST(CircleProgressBuilder, CentresACircleAsWideAsTheElementAndStrokesThreeQuarters) {
  const auto ring = ElementFactory::createCircleProgressForView(
      parse(R"json({"frame": {"x": "10", "y": "10", "width": "100", "height": "60"}, "ringWidth": "5.9",
                "ringColor": "rgba(255,255,255,1)"})json"),
      3, kScreen);
  ASSERT_EQ(ring->subviews().size(), 1u);
  EXPECT_EQ(ring->subviews()[0]->frame(), (Rect{0, 0, 100, 60}));
  ASSERT_EQ(ring->subviews()[0]->layer()->sublayers().size(), 1u) << "no background ring";
  const auto progress = shapeAt(*ring, 0);
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->name(), "progressLayer");
  EXPECT_EQ(progress->strokeEnd(), 0.75);
  EXPECT_EQ(progress->lineWidth(), 5);
  EXPECT_EQ(progress->lineCap(), LineCap::round);
  EXPECT_FALSE(progress->fillColor());

  // Where the path shows in the ring view.
  const auto toRingView = progress->transformToSuperlayer();
  const Rect circle = toRingView.apply(progress->path().boundingBox());
  EXPECT_NEAR(circle.x() + circle.width() / 2, 50, 1e-9);
  EXPECT_NEAR(circle.y() + circle.height() / 2, 30, 1e-9);
  EXPECT_NEAR(circle.width(), 100, 1e-9) << "radius 50";
  const Point start = toRingView.apply(progress->path().elements().front().points[0]);
  EXPECT_NEAR(start.x, 50, 1e-9);
  EXPECT_NEAR(start.y, -20, 1e-9) << "starts at the top";
  EXPECT_EQ(ring->tag(), 3);
  EXPECT_FALSE(ring->isUserInteractionEnabled());
}

TEST(CircleProgressBuilder, AddsARoundBackgroundRingBelowAndAppliesTheCapToTheProgressOnly) {
  const std::pair<const char*, LineCap> caps[] = {
      {"butt", LineCap::butt}, {"square", LineCap::square}, {"round", LineCap::round}, {"flat", LineCap::round}};
  for (const auto& [cap, expected] : caps) {
    Value description = ElementTemplateFactory::sharedInstance().CircleProgress();
    description["ringCap"] = cap;
    const auto ring = ElementFactory::createCircleProgressForView(description, 3, kScreen);
    ASSERT_EQ(ring->subviews()[0]->layer()->sublayers().size(), 2u) << cap;
    const auto background = shapeAt(*ring, 0);
    const auto progress = shapeAt(*ring, 1);
    EXPECT_EQ(progress->name(), "progressLayer") << cap;
    EXPECT_EQ(progress->lineCap(), expected) << cap;
    EXPECT_EQ(background->lineCap(), LineCap::round) << cap;
    EXPECT_EQ(background->strokeEnd(), 1) << cap << ": the whole circle";
    EXPECT_EQ(background->strokeColor(), (Color{0, 0, 0, 1})) << cap;
    EXPECT_EQ(progress->strokeColor(), (Color{1, 1, 1, 1})) << cap;
    EXPECT_EQ(background->lineWidth(), 5) << cap;
  }
}

// --- battery icon ---

TEST(BatteryIconBuilder, StacksFillOutlineAndATipBeyondTheRightEdge) {
  const auto icon = ElementFactory::createBatteryIconForView(ElementTemplateFactory::sharedInstance().BatteryIcon(), 4,
                                                             kScreen);
  ASSERT_EQ(icon->subviews().size(), 3u);
  const auto& fill = icon->subviews()[0];
  const auto& outline = icon->subviews()[1];
  const auto& tip = icon->subviews()[2];
  EXPECT_EQ(fill->tag(), 9967);
  EXPECT_EQ(fill->frame(), (Rect{0, 0, 10, 15}));
  EXPECT_EQ(fill->backgroundColor(), (Color{0, 1, 0, 1}));
  EXPECT_EQ(outline->frame(), (Rect{0, 0, 30, 15}));
  EXPECT_EQ(outline->layer()->borderWidth(), 1);
  EXPECT_EQ(outline->layer()->borderColor(), (Color{1, 1, 1, 1}));
  EXPECT_EQ(outline->layer()->cornerRadius(), 2);
  EXPECT_EQ(tip->frame(), (Rect{29, 4, 3, 7}));
  EXPECT_EQ(tip->backgroundColor(), (Color{1, 1, 1, 1}));
  EXPECT_FALSE(icon->isUserInteractionEnabled());
}

}  // namespace
}  // namespace vantile
