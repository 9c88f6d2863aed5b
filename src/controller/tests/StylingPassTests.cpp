#include <gtest/gtest.h>

#include <numbers>

#include "controller/tests/StylingFixture.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/View.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::AffineTransform;
using platform::graphics::Color;
using platform::graphics::Point;
using platform::graphics::Size;

Value frame(int x, int y, int width, int height) {
  return {{"x", std::to_string(x)}, {"y", std::to_string(y)}, {"width", std::to_string(width)},
          {"height", std::to_string(height)}};
}

TEST(StyleOverrideOrder, PutsElementsWithAnOverrideLastAndKeepsEachGroupInOrder) {
  const Value children = {{"copyA", {{"type", "UILabel"}, {"styleOverride", "plainB"}}},
                          {"plainA", {{"type", "UILabel"}}},
                          {"copyB", {{"type", "AppIcon"}, {"styleOverride", "copyA"}}},
                          {"noneOverride", {{"type", "UILabel"}, {"styleOverride", "none"}}},
                          {"plainB", {{"type", "UILabel"}}}};
  EXPECT_EQ(VantileController::sortKeysByOverridePriority(children),
            (std::vector<std::string>{"plainA", "noneOverride", "plainB", "copyA", "copyB"}));
}

using StylingPass = StylingFixture;

TEST_F(StylingPass, ListsEachViewOnceForTheTickAndOnceMoreForASecondsSecondText) {
  load({{"both", {{"type", "UILabel"}, {"frame", frame(0, 0, 100, 20)}, {"data", "Elapsed seconds"}}},
        {"attr", {{"type", "UILabel"}, {"frame", frame(0, 30, 100, 20)}, {"dataAttr", "seconds"}}},
        {"still", {{"type", "UILabel"}, {"frame", frame(0, 60, 100, 20)}, {"data", "hello"}}}});

  const auto& entries = controller->updateEverySecondArray;
  ASSERT_EQ(entries.size(), 2U);
  EXPECT_EQ(entries[0].itemView, view("both"));
  EXPECT_FALSE(entries[0].isDataAttr);
  EXPECT_EQ(entries[1].itemView, view("attr"));
  EXPECT_TRUE(entries[1].isDataAttr);

  styleAgain();
  EXPECT_EQ(controller->updateEverySecondArray.size(), 2U) << "a second pass adds no equal entries";
}

TEST_F(StylingPass, RebuildsANestedViewsTransformFromTheIdentityScaleBeforeRotation) {
  load({{"box",
         {{"type", "UIView"},
          {"frame", frame(10, 10, 200, 200)},
          {"children",
           {{"inner", {{"type", "UIView"}, {"frame", frame(20, 20, 50, 50)}, {"scale", "2"}, {"rotate", "90"}}}}}}}});
  const auto inner = view("inner");
  ASSERT_TRUE(inner);
  const auto expected = AffineTransform::identity().scaledBy(2, 2).rotatedBy(std::numbers::pi / 2);

  // As an animation leaves it: turned some more.
  inner->setTransform(AffineTransform::rotation(0.3));
  styleAgain();
  EXPECT_EQ(inner->transform(), expected);
  styleAgain();
  EXPECT_EQ(inner->transform(), expected) << "transforms never accumulate";
}

TEST_F(StylingPass, ColoursBatteryFillsByLevelBand) {
  struct Case {
    std::int32_t level;
    Color color;
    double width;
  };
  const Color low{1, 0, 0, 1};
  const Color mid{0, 0, 1, 1};
  const Color inner{0, 1, 0, 1};
  for (const Case& c : {Case{15, low, 15}, Case{19, low, 19}, Case{20, inner, 20}, Case{21, mid, 21},
                        Case{49, mid, 49}, Case{50, inner, 50}, Case{80, inner, 80}}) {
    SCOPED_TRACE(c.level);
    controller = VantileController::make();
    controller->providers.batteryAsInt = [level = c.level] { return level; };
    load({{"battery",
           {{"type", "BatteryIcon"},
            {"frame", frame(0, 0, 100, 40)},
            {"lowColor", "rgba(255, 0, 0, 1)"},
            {"midColor", "rgba(0, 0, 255, 1)"},
            {"innerColor", "rgba(0, 255, 0, 1)"}}}});
    const auto fill = view("battery")->viewWithTag(9967);
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->backgroundColor(), c.color);
    EXPECT_DOUBLE_EQ(fill->frame().width(), c.width);
  }
}

TEST_F(StylingPass, TriplesAnEndlessScrollViewFromItsDeclaredSizeAndAddsTheCopyToTheStartingOffset) {
  load({{"scroller",
         {{"type", "ScrollView"},
          {"frame", frame(0, 0, 100, 100)},
          {"infiniteScroll", "horizontal"},
          {"contentSize", {{"width", "300"}, {"height", "100"}}},
          {"initialOffset", {{"x", "50"}, {"y", "0"}}}}},
        {"mathScroller",
         {{"type", "ScrollView"},
          {"frame", frame(0, 200, 100, 100)},
          {"initialOffset", {{"x", "math(screen_width/2)"}, {"y", "0"}}}}}});
  const auto scroller = viewAs<platform::ui::ScrollView>("scroller");
  ASSERT_TRUE(scroller);
  EXPECT_EQ(scroller->contentSize(), (Size{900, 100}));
  EXPECT_EQ(scroller->contentOffset(), (Point{350, 0}));
  EXPECT_EQ(scroller->layer()->name(), "horizontal");
  EXPECT_EQ(scroller->layer()->value("originalWidth"), Value(300.0));

  styleAgain();
  EXPECT_EQ(scroller->contentSize(), (Size{900, 100})) << "never tripled again";

  const auto mathScroller = viewAs<platform::ui::ScrollView>("mathScroller");
  ASSERT_TRUE(mathScroller);
  EXPECT_EQ(mathScroller->contentOffset().x, 187) << "the evaluation gives a whole number";
}

TEST_F(StylingPass, TriplesAnEndlessScrollViewWithoutDeclaredSizeOnceHoweverOftenItRuns) {
  load({{"scroller", {{"type", "ScrollView"}, {"frame", frame(0, 0, 100, 50)}, {"infiniteScroll", "both"}}}});
  const auto scroller = viewAs<platform::ui::ScrollView>("scroller");
  ASSERT_TRUE(scroller);
  EXPECT_EQ(scroller->contentSize(), (Size{300, 150}));
  styleAgain();
  styleAgain();
  EXPECT_EQ(scroller->contentSize(), (Size{300, 150}));
  EXPECT_EQ(scroller->contentOffset(), (Point{100, 50}));
}

TEST_F(StylingPass, MakesTheControllerWrapAnEndlessScrollViewAsItScrolls) {
  load({{"scroller",
         {{"type", "ScrollView"},
          {"frame", frame(0, 0, 100, 100)},
          {"infiniteScroll", "horizontal"},
          {"contentSize", {{"width", "300"}, {"height", "100"}}}}}});
  const auto scroller = viewAs<platform::ui::ScrollView>("scroller");
  ASSERT_TRUE(scroller);
  scroller->setContentOffset({1, 0});
  EXPECT_EQ(scroller->contentOffset(), (Point{301, 0}));
  scroller->setContentOffset({599, 0});
  EXPECT_EQ(scroller->contentOffset(), (Point{299, 0}));
  scroller->setContentOffset({598, 0});
  EXPECT_EQ(scroller->contentOffset(), (Point{598, 0}));
}

TEST_F(StylingPass, LeavesAScrollViewWithoutAnEndlessDirectionUnwrapped) {
  load({{"scroller",
         {{"type", "ScrollView"},
          {"frame", frame(0, 0, 100, 100)},
          {"infiniteScroll", "none"},
          {"contentSize", {{"width", "300"}, {"height", "100"}}},
          {"pagination", "YES"},
          {"scale", "1.5"}}}});
  const auto scroller = viewAs<platform::ui::ScrollView>("scroller");
  ASSERT_TRUE(scroller);
  EXPECT_EQ(scroller->contentSize(), (Size{300, 100}));
  EXPECT_TRUE(scroller->isPagingEnabled());
  EXPECT_EQ(scroller->transform(), AffineTransform::scale(1.5, 1.5));
  scroller->setContentOffset({0, 0});
  EXPECT_EQ(scroller->contentOffset(), (Point{0, 0}));
}

TEST_F(StylingPass, MovesTheWeekWidgetsHighlightToTodayTellingApartDaysThatShareALetter) {
  struct UtcForTheTest {
    UtcForTheTest() { EXPECT_TRUE(platform::foundation::setTimeZone("UTC")); }
    ~UtcForTheTest() { platform::foundation::useHostTimeZone(); }
  } utc;
  // 14 November 2023, a Tuesday.
  platform::foundation::MainQueue::shared().useManualClock(1'700'000'000);
  load({{"week",
         {{"type", "WeekWidget"},
          {"frame", frame(0, 0, 280, 40)},
          {"textStyle", "uppercase"},
          {"selectColor", "rgba(255, 0, 0, 1)"}}}});
  const auto week = view("week");
  ASSERT_TRUE(week);
  const auto highlighted = [&week] {
    std::vector<std::string> names;
    // Inside the widget: its background, then the row of days.
    for (const auto& day : week->subviews().at(0)->subviews().at(0)->subviews()) {
      if (day->layer()->borderColor() == Color{1, 0, 0, 1}) names.push_back(*day->layer()->name());
    }
    return names;
  };
  EXPECT_EQ(highlighted(), std::vector<std::string>{"2"});

  platform::foundation::MainQueue::shared().advance(2 * 86'400);  // Thursday
  styleAgain();
  EXPECT_EQ(highlighted(), std::vector<std::string>{"4"});
}

}  // namespace
}  // namespace vantile
