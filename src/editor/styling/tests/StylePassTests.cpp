#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numbers>

#include "editor/styling/tests/CanvasFixture.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/text/Label.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::AffineTransform;
using platform::graphics::Color;
using platform::graphics::Rect;
namespace ui = platform::ui;

class StylePass : public CanvasFixture {};

Value label(const std::string& data, Value extra = Value::object()) {
  Value element = {{"type", "UILabel"}, {"frame", frame(0, 0, 200, 40)}, {"data", data}};
  element.update(extra);
  return element;
}

Value container(const std::string& type, Value children, Value extra = Value::object()) {
  Value element = {{"type", type}, {"frame", frame(20, 30, 300, 200)}, {"children", std::move(children)}};
  element.update(extra);
  return element;
}

TEST_F(StylePass, StylesIconsThatBorrowALookAfterTheirSiblings) {
  const Value children = {
      {"borrower", {{"type", "AppIcon"}, {"styleOverride", "lender"}}},
      {"lender", {{"type", "AppIcon"}, {"styleOverride", "none"}}},
      {"label", {{"type", "UILabel"}, {"styleOverride", "lender"}}},
      {"image", {{"type", "UIImageView"}}},
  };
  EXPECT_EQ(canvas->sortKeysByOverridePriority(children),
            (std::vector<std::string>{"lender", "label", "image", "borrower"}));
  EXPECT_TRUE(CreatorView::elementHasOverride(children["borrower"]));
  EXPECT_FALSE(CreatorView::elementHasOverride(children["label"])) << "only app icons borrow";
}

TEST_F(StylePass, HidesListedElementsAndNeverShowsThemAgain) {
  build({{"clock", label("12:30")}, {"date", label("Monday")}});
  canvas->hiddenElements = {"clock"};
  style();
  EXPECT_TRUE(view("clock")->isHidden());
  EXPECT_FALSE(view("date")->isHidden());

  canvas->hiddenElements.clear();
  style();
  EXPECT_TRUE(view("clock")->isHidden()) << "until the views are built again";
}

TEST_F(StylePass, ResolvesNestedFramesAgainstTheParentAndLeavesTopLevelFramesAlone) {
  build({{"box", container("UIView", {{"inner", {{"type", "UIView"}, {"frame", frame(10, 10, 50, 40)}}}})}});
  view("box")->setFrame({5, 6, 300, 200});
  view("inner")->setFrame({0, 0, 1, 1});
  style();
  EXPECT_EQ(view("box")->frame(), (Rect{5, 6, 300, 200}));
  EXPECT_EQ(view("inner")->frame(), (Rect{10, 10, 50, 40}));
}

TEST_F(StylePass, RebuildsANestedTransformFromScaleAndRotation) {
  struct Case {
    const char* scale;
    const char* rotate;
    AffineTransform expected;
  };
  const Case cases[] = {
      {"0", "0", AffineTransform::identity()},
      {"0", "90", AffineTransform::rotation(std::numbers::pi / 2)},
      {"2", "0", AffineTransform::scale(2, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("scale ") + c.scale + ", rotate " + c.rotate);
    build({{"box", container("UIView", {{"inner", {{"type", "UIView"}, {"frame", frame(10, 10, 50, 40)},
                                                   {"scale", c.scale}, {"rotate", c.rotate}}}})}});
    view("inner")->setTransform(AffineTransform::scale(3, 3));
    style();
    const AffineTransform actual = view("inner")->transform();
    EXPECT_NEAR(actual.a, c.expected.a, 1e-9);
    EXPECT_NEAR(actual.b, c.expected.b, 1e-9);
    EXPECT_NEAR(actual.c, c.expected.c, 1e-9);
    EXPECT_NEAR(actual.d, c.expected.d, 1e-9);
    EXPECT_EQ(view("inner")->bounds().size, (platform::graphics::Size{50, 40}));
  }
}

TEST_F(StylePass, MeasuresScrollContentWithTheScreenAndArithmetic) {
  struct Case {
    Value width;
    double expected;
  };
  const double screenWidth = ui::Screen::mainScreen().bounds().width();
  const Case cases[] = {
      {"screen_width", screenWidth},
      {"math(screen_width*3)", 3 * screenWidth},
      {"math(10+screen_width/5)", static_cast<double>(static_cast<int>(10 + screenWidth / 5))},
      {412.5, 412.5},
      {"not a size", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width.dump());
    buildAndStyle({{"scroller", container("ScrollView", Value::object(),
                                          {{"contentSize", {{"width", c.width}, {"height", "100"}}}})}});
    EXPECT_DOUBLE_EQ(viewAs<ui::ScrollView>("scroller")->contentSize().width, c.expected);
  }
}

TEST_F(StylePass, TriplesEndlessContentOnceAndStartsInTheMiddleCopy) {
  struct Case {
    const char* axes;
    platform::graphics::Size contentSize;
    platform::graphics::Point offset;
  };
  const Case cases[] = {
      {"horizontal", {900, 200}, {310, 20}},
      {"vertical", {300, 600}, {10, 220}},
      {"both", {900, 600}, {310, 220}},
      {"sideways", {300, 200}, {10, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axes);
    buildAndStyle({{"scroller", container("ScrollView", Value::object(),
                                          {{"contentSize", {{"width", "300"}, {"height", "200"}}},
                                           {"infiniteScroll", c.axes},
                                           {"initialOffset", {{"x", "10"}, {"y", 20}}}})}});
    const auto scroller = viewAs<ui::ScrollView>("scroller");
    EXPECT_EQ(scroller->contentSize(), c.contentSize);
    EXPECT_EQ(scroller->contentOffset(), c.offset);
    EXPECT_EQ(scroller->layer()->name(), c.axes);
    EXPECT_DOUBLE_EQ(platform::foundation::doubleValue(*scroller->layer()->value("originalWidth")), 300);
    EXPECT_DOUBLE_EQ(platform::foundation::doubleValue(*scroller->layer()->value("originalHeight")), 200);
  }
}

TEST_F(StylePass, TurnsPagingOnOnlyForYesInAnyCase) {
  const std::pair<const char*, bool> cases[] = {{"Yes", true}, {"YES", true}, {"true", false}, {"no", false}};
  for (const auto& [value, paging] : cases) {
    SCOPED_TRACE(value);
    buildAndStyle({{"scroller", container("ScrollView", Value::object(), {{"pagination", value}})}});
    EXPECT_EQ(viewAs<ui::ScrollView>("scroller")->isPagingEnabled(), paging);
  }
}

TEST_F(StylePass, ShowsPreviewDataInTheElementsTextStyle) {
  buildAndStyle({{"greeting", label("hello world", {{"textStyle", "capitalize"}})},
                 {"shout", label("hello world", {{"textStyle", "uppercase"}})},
                 {"battery", label("[batterypercent]%", {{"textStyle", "sideways"}})}});
  EXPECT_EQ(viewAs<ui::Label>("greeting")->text(), "Hello World");
  EXPECT_EQ(viewAs<ui::Label>("shout")->text(), "HELLO WORLD");
  EXPECT_EQ(viewAs<ui::Label>("battery")->text(), "50%");
}

TEST_F(StylePass, ColoursTheWordAfterTheFirstSpace) {
  struct Case {
    const char* text;
    std::size_t location;
    std::size_t length;
  };
  for (const Case& c : {Case{"12:30 PM", 6, 2}, Case{"12:30", 0, 0}}) {
    SCOPED_TRACE(c.text);
    buildAndStyle({{"clock", label(c.text, {{"colorAfterSpace", "rgba(255, 0, 0, 1)"}})}});
    const auto& attributed = viewAs<ui::Label>("clock")->attributedText();
    ASSERT_TRUE(attributed) << "the default kerning attributes every text";
    std::vector<ui::AttributedRun> coloured;
    std::ranges::copy_if(attributed->runs(), std::back_inserter(coloured),
                         [](const ui::AttributedRun& run) { return run.attributes.color.has_value(); });
    if (c.length == 0) {
      EXPECT_TRUE(coloured.empty());
      continue;
    }
    ASSERT_EQ(coloured.size(), 1U);
    EXPECT_EQ(coloured[0].range.location, c.location);
    EXPECT_EQ(coloured[0].range.length, c.length);
    EXPECT_EQ(coloured[0].attributes.color, (Color{1, 0, 0, 1}));
  }
}

TEST_F(StylePass, AppendsTheSecondRunWhiteUnlessAColourIsGiven) {
  struct Case {
    Value extra;
    std::optional<Color> runColor;
  };
  const Case cases[] = {
      {{{"dataAttr", " PM"}}, Color{1, 1, 1, 1}},
      {{{"dataAttr", " PM"}, {"textColor", "rgba(0, 0, 255, 1)"}}, Color{0, 0, 1, 1}},
      {{{"dataAttr", " PM"}, {"textColor", "rgba(0, 0, 255, 1)"}, {"fontColorAttr", "rgba(0, 255, 0, 1)"}},
       Color{0, 1, 0, 1}},
      {{{"dataAttr", " PM"}, {"fontColorAttr", "none"}}, Color{1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extra.dump());
    buildAndStyle({{"clock", label("12:30", c.extra)}});
    const auto clock = viewAs<ui::Label>("clock");
    ASSERT_TRUE(clock->attributedText());
    EXPECT_EQ(clock->attributedText()->text(), "12:30 PM");
    const auto& runs = clock->attributedText()->runs();
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_FALSE(runs[0].attributes.color) << "the main run keeps the label's colour";
    EXPECT_EQ(runs[1].range.location, 5U);
    EXPECT_EQ(runs[1].attributes.color, c.runColor);
  }

  buildAndStyle({{"clock", label("12:30", {{"dataAttr", "none"}})}});
  const auto& plain = viewAs<ui::Label>("clock")->attributedText();
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->text(), "12:30") << "\"none\" adds no run";
  EXPECT_TRUE(std::ranges::none_of(plain->runs(), [](const auto& run) { return run.attributes.font.has_value(); }));
}

TEST_F(StylePass, LaysOutOnlyUIViewContainersOverTheirOwnSubviews) {
  const Value members = {{"a", {{"type", "UIView"}, {"frame", frame(0, 0, 40, 40)}}},
                         {"b", {{"type", "UIView"}, {"frame", frame(0, 0, 40, 40)}}}};
  for (const char* type : {"UIView", "ScrollView", "GlassView"}) {
    SCOPED_TRACE(type);
    buildAndStyle({{"row", container(type, members, {{"autoLayout", "evenSpacing"}})}});
    // 300 wide, two members of 40: gaps of (300 - 80) / 3.
    const bool laidOut = std::string(type) == "UIView";
    EXPECT_EQ(view("a")->frame().x() != 0, laidOut);
    if (laidOut) {
      EXPECT_NEAR(view("a")->frame().x(), 220.0 / 3, 1e-9);
      EXPECT_NEAR(view("b")->frame().x(), 2 * 220.0 / 3 + 40, 1e-9);
      EXPECT_DOUBLE_EQ(view("a")->frame().y(), 80);
    }
  }

  // A member whose view lies elsewhere is not laid out with the container's own.
  build({{"row", container("UIView", members, {{"autoLayout", "evenSpacing"}})}});
  canvas->creatorView->addSubview(view("b"));
  view("b")->setFrame({0, 0, 40, 40});
  style();
  EXPECT_NEAR(view("a")->frame().x(), 260.0 / 2, 1e-9);
  EXPECT_DOUBLE_EQ(view("b")->frame().x(), 0);
}

TEST_F(StylePass, PlacesAFollowingContainerAtTheEndOfABarFill) {
  buildAndStyle({{"bar", {{"type", "BatteryBar"}, {"frame", frame(10, 100, 200, 20)}}},
                 {"tail", container("UIView", Value::object(), {{"followWidthItem", "bar"},
                                                                {"followWidthOffset", "4,2"}})},
                 {"stays", container("UIView", Value::object(), {{"followWidthItem", "tail"}})},
                 {"nowhere", container("UIView", Value::object(), {{"followWidthItem", "missing"}})}});
  const auto barFrame = view("bar")->frame();
  const auto fill = view("bar")->viewWithTag(9968);
  ASSERT_TRUE(fill);
  EXPECT_DOUBLE_EQ(view("tail")->frame().x(), static_cast<float>(barFrame.x() + 100 + 4));
  EXPECT_DOUBLE_EQ(view("tail")->frame().y(), static_cast<float>(barFrame.y() + fill->frame().y() + 2));
  EXPECT_EQ(view("stays")->frame(), (Rect{20, 30, 300, 200})) << "a container has no fill";
  EXPECT_EQ(view("nowhere")->frame(), (Rect{20, 30, 300, 200}));
}

}  // namespace
}  // namespace vantile::testing
