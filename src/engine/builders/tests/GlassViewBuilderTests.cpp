#include <gtest/gtest.h>

#include <cmath>

#include "engine/views/BlurIntensity.h"
#include "engine/builders/ElementFactory.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/views/View.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Path;
using platform::graphics::Rect;
using platform::ui::ShapeLayer;
using platform::ui::View;

constexpr Rect kScreen{0, 0, 375, 812};

Value parse(const char* json) { return Value::parse(json); }

Value glassTemplate() { return ElementTemplateFactory::sharedInstance().GlassView(); }

// The overlay's shadow layer, when the view has an inner shadow.
std::shared_ptr<ShapeLayer> innerShadowOf(const View& view) {
  if (view.subviews().empty()) return nullptr;
  const auto& overlay = view.subviews().front();
  if (overlay->layer()->sublayers().empty()) return nullptr;
  return std::dynamic_pointer_cast<ShapeLayer>(overlay->layer()->sublayers().front());
}

std::shared_ptr<ShapeLayer> holeOf(const ShapeLayer& shadow) {
  return std::dynamic_pointer_cast<ShapeLayer>(shadow.mask());
}

// Arcs are stored as curves, so their extremes are only nearly exact.
::testing::AssertionResult nearlyEqual(const Rect& actual, const Rect& expected) {
  const double tolerance = 1e-9;
  if (std::abs(actual.x() - expected.x()) < tolerance && std::abs(actual.y() - expected.y()) < tolerance &&
      std::abs(actual.width() - expected.width()) < tolerance &&
      std::abs(actual.height() - expected.height()) < tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << actual.x() << ", " << actual.y() << ", " << actual.width() << ", "
                                       << actual.height() << ")";
}

// A rounded rectangle's path starts where its top edge leaves the first corner.
double cornerRadiusOf(const Path& path) {
  return path.elements().front().points[0].x - path.boundingBox().x();
}

TEST(GlassViewBuilder, WrapsTheTemplateSoTheWrapperCastsTheShadowAndTheInnerViewStaysRounded) {
  const auto wrapper = ElementFactory::createGlassViewForView(glassTemplate(), 10, kScreen);
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(wrapper->tag(), 10);
  EXPECT_EQ(wrapper->frame(), (Rect{37, 100, 300, 100}));
  EXPECT_EQ(wrapper->backgroundColor(), (Color{0, 0, 0, 0}));
  const auto& shadowing = *wrapper->layer();
  EXPECT_EQ(shadowing.shadowOpacity(), 1);
  EXPECT_EQ(shadowing.shadowRadius(), 10);
  EXPECT_EQ(shadowing.shadowOffset(), (platform::graphics::Size{0, 5}));
  EXPECT_NEAR(shadowing.shadowColor()->alpha, 0.3, 1e-6);
  EXPECT_FALSE(shadowing.masksToBounds());

  ASSERT_EQ(wrapper->subviews().size(), 1u);
  const auto& inner = wrapper->subviews()[0];
  EXPECT_EQ(inner->tag(), 1010);
  EXPECT_EQ(wrapper->viewWithTag(1010), inner);
  EXPECT_EQ(inner->frame(), (Rect{0, 0, 300, 100}));
  EXPECT_FALSE(inner->isUserInteractionEnabled());
  EXPECT_EQ(inner->layer()->cornerRadius(), 10);
  EXPECT_TRUE(inner->clipsToBounds());
  EXPECT_EQ(inner->layer()->shadowOpacity(), 0) << "the inner view casts no shadow";
  EXPECT_FALSE(inner->backgroundColor()) << "the visible blur suppresses the background";
  EXPECT_EQ(inner->layer()->borderWidth(), 1.5);

  // Overlay first, beneath the blur view.
  ASSERT_EQ(inner->subviews().size(), 2u);
  const auto blur = std::dynamic_pointer_cast<platform::ui::BlurView>(inner->subviews()[1]);
  ASSERT_TRUE(blur);
  EXPECT_EQ(blur->effect().style, platform::ui::BlurStyle::light);
  EXPECT_EQ(blur->alpha(), 1);
  EXPECT_EQ(intensity(*blur), 8);
  const auto shadow = innerShadowOf(*inner);
  ASSERT_TRUE(shadow);
  EXPECT_TRUE(nearlyEqual(holeOf(*shadow)->path().boundingBox(), {1.5, 1.5, 297, 97}));
  EXPECT_DOUBLE_EQ(cornerRadiusOf(holeOf(*shadow)->path()), 8.5);
}

TEST(GlassViewBuilder, StaysOneViewWithoutACornerRadiusOrWithATransparentShadow) {
  struct Case {
    const char* cornerRadius;
    const char* shadowColor;
    double shadowOpacity;
  };
  const Case cases[] = {{"0", "rgba(0,0,0,0.3)", 1}, {"10", "rgba(0,0,0,0)", 0}};
  for (const Case& c : cases) {
    Value description = glassTemplate();
    description["cornerRadius"] = c.cornerRadius;
    description["boxShadow"]["color"] = c.shadowColor;
    const auto view = ElementFactory::createGlassViewForView(description, 10, kScreen);
    EXPECT_EQ(view->tag(), 10) << c.cornerRadius;
    EXPECT_FALSE(view->viewWithTag(1010)) << c.cornerRadius;
    EXPECT_EQ(view->layer()->shadowOpacity(), c.shadowOpacity) << c.cornerRadius << ": set on the view itself";
    EXPECT_TRUE(innerShadowOf(*view)) << c.cornerRadius;
  }
}

TEST(GlassViewBuilder, EvaluatesTheInnerWidthAgainstTheWrapper) {
  const std::tuple<const char*, double, double> cases[] = {
      {"100", 100, 100},
      {"math(view_width/2)", 187, 93},
      {"screen_width", 375, 375},
  };
  for (const auto& [width, wrapperWidth, innerWidth] : cases) {
    Value description = glassTemplate();
    description["frame"]["width"] = width;
    const auto wrapper = ElementFactory::createGlassViewForView(description, 10, kScreen);
    EXPECT_EQ(wrapper->frame().width(), wrapperWidth) << width;
    EXPECT_EQ(wrapper->viewWithTag(1010)->frame().width(), innerWidth) << width;
  }
}

TEST(GlassViewBuilder, GivesNoViewWhenTheWrappedFormHasNoWidthOrHeight) {
  for (const char* missing : {"width", "height"}) {
    Value description = glassTemplate();
    description["frame"].erase(missing);
    EXPECT_FALSE(ElementFactory::createGlassViewForView(description, 10, kScreen)) << missing;
  }
  Value noFrame = glassTemplate();
  noFrame.erase("frame");
  EXPECT_FALSE(ElementFactory::createGlassViewForView(noFrame, 10, kScreen));

  Value plain = noFrame;
  plain["cornerRadius"] = "0";
  const auto view = ElementFactory::createGlassViewForView(plain, 10, kScreen);
  ASSERT_TRUE(view) << "the plain form needs no size";
  EXPECT_EQ(view->frame(), kScreen);
}

TEST(InnerShadow, FramesAHoleInsetByTheBorderWithTheRemainingCornerRadius) {
  struct Case {
    const char* cornerRadius;
    const char* borderWidth;
    double inset;
    double holeRadius;
  };
  const Case cases[] = {{"8", "1", 1, 7}, {"1", "2", 2, 0}, {"8", "0", 0, 8}, {"3", "3", 3, 0}};
  for (const Case& c : cases) {
    auto view = View::make({0, 0, 100, 60});
    view->addSubview(View::make({0, 0, 10, 10}));
    Value description{{"cornerRadius", c.cornerRadius},
                      {"borderWidth", c.borderWidth},
                      {"innerShadow", {{"color", "rgba(0,0,0,1)"}, {"radius", "5"}, {"x", "1"}, {"y", "2"}}}};
    ElementFactory::addInnerShadow(*view, description);

    ASSERT_EQ(view->subviews().size(), 2u);
    const auto& overlay = view->subviews().front();
    EXPECT_EQ(overlay->frame(), view->bounds()) << "beneath the view's other subviews";
    EXPECT_FALSE(overlay->isUserInteractionEnabled());
    const auto shadow = innerShadowOf(*view);
    ASSERT_TRUE(shadow);
    const Rect hole{c.inset, c.inset, 100 - 2 * c.inset, 60 - 2 * c.inset};
    EXPECT_TRUE(nearlyEqual(holeOf(*shadow)->path().boundingBox(), hole)) << c.cornerRadius << "/" << c.borderWidth;
    EXPECT_DOUBLE_EQ(cornerRadiusOf(holeOf(*shadow)->path()), c.holeRadius) << c.cornerRadius << "/" << c.borderWidth;
    EXPECT_EQ(shadow->path().boundingBox(), (Rect{hole.x() - 10, hole.y() - 10, hole.width() + 20, hole.height() + 20}))
        << "the frame reaches twice the shadow radius beyond the hole";
    EXPECT_EQ(shadow->fillRule(), platform::ui::FillRule::evenOdd);
    EXPECT_EQ(shadow->shadowRadius(), 5);
    EXPECT_EQ(shadow->shadowOpacity(), 1);
    EXPECT_EQ(shadow->shadowOffset(), (platform::graphics::Size{1, 2}));
  }
}

TEST(InnerShadow, KeepsCoveringItsPanelWhenThePanelIsResized) {
  Value description = glassTemplate();
  description["cornerRadius"] = "0";
  const auto panel = ElementFactory::createGlassViewForView(description, 10, kScreen);
  ASSERT_TRUE(panel);
  const auto& overlay = panel->subviews().front();
  ASSERT_TRUE(innerShadowOf(*panel));
  EXPECT_EQ(overlay->autoresizingMask(), 18u);

  const Rect sizes[] = {{20, 40, 120, 70}, {0, 0, 10, 5}, {37, 100, 300, 100}};
  for (const Rect& frame : sizes) {
    panel->setFrame(frame);
    EXPECT_EQ(overlay->frame(), (Rect{0, 0, frame.width(), frame.height()}));
  }
}

TEST(InnerShadow, IsLeftOutForAMissingOrTransparentColour) {
  const std::pair<const char*, bool> cases[] = {
      {R"json({})json", false},
      {R"json({"innerShadow": {"radius": "5"}})json", false},
      {R"json({"innerShadow": {"color": "rgba(0,0,0,0)"}})json", false},
      {R"json({"innerShadow": {"color": "rgba(0, 0, 0, 0.0)"}})json", false},
      {R"json({"innerShadow": {"color": "rgba(0, 0, 0, 0.00)"}})json", true},
      {R"json({"innerShadow": "rgba(0,0,0,1)"})json", false},
  };
  for (const auto& [description, shaded] : cases) {
    auto view = View::make({0, 0, 50, 50});
    ElementFactory::addInnerShadow(*view, parse(description));
    EXPECT_EQ(view->subviews().size(), shaded ? 1u : 0u) << description;
  }
}

}  // namespace
}  // namespace vantile
