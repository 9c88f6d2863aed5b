#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/ElementTemplateFactory.h"
#include "engine/builders/ElementFactory.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"

namespace vantile {
namespace {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
namespace ui = platform::ui;
using graphics::Color;
using graphics::Rect;
using platform::Value;

constexpr Rect kScreen{0, 0, 375, 812};
// Sunday 7 January 2024, 05:00 in Tokyo, still Saturday in UTC.
constexpr foundation::TimeStamp kTokyoSundayMorning = 1704571200;
constexpr double kDay = 86400;

class WeekWidgetBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(foundation::setTimeZone("Asia/Tokyo"));
    setToday(kTokyoSundayMorning);
  }
  void TearDown() override {
    foundation::MainQueue::shared().useRealClock();
    foundation::MainQueue::shared().clear();
    foundation::useHostTimeZone();
  }

  static void setToday(foundation::TimeStamp instant) { foundation::MainQueue::shared().useManualClock(instant); }

  static std::shared_ptr<ui::View> build(const Value& options) {
    return ElementFactory::createWeekWidgetForView(options, 12, kScreen);
  }

  static Value sized(const char* width, const char* height) {
    Value options = ElementTemplateFactory::sharedInstance().WeekWidget();
    options["frame"] = {{"x", "0"}, {"y", "0"}, {"width", width}, {"height", height}};
    return options;
  }

  static std::shared_ptr<ui::View> rowOf(const ui::View& widget) { return widget.subviews().at(0)->subviews().at(0); }

  static std::shared_ptr<ui::Label> dayLabel(const ui::View& widget, std::size_t index) {
    return std::dynamic_pointer_cast<ui::Label>(rowOf(widget)->subviews().at(index));
  }
};

TEST_F(WeekWidgetBuilderTest, RingsAndTagsTodayInTheProcessTimeZone) {
  const char* const weekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  for (int today = 0; today < 7; ++today) {
    SCOPED_TRACE(weekdays[today]);
    setToday(kTokyoSundayMorning + today * kDay);
    const auto widget = build(ElementTemplateFactory::sharedInstance().WeekWidget());
    ASSERT_EQ(rowOf(*widget)->subviews().size(), 7u);
    for (int index = 0; index < 7; ++index) {
      const auto day = dayLabel(*widget, static_cast<std::size_t>(index));
      ASSERT_TRUE(day);
      EXPECT_EQ(day->layer()->name(), std::to_string(index));
      EXPECT_EQ(day->layer()->borderWidth(), 1);
      if (index == today) {
        EXPECT_EQ(day->tag(), 3354) << index;
        EXPECT_EQ(day->layer()->borderColor(), (Color{1, 1, 1, 1})) << index;
      } else {
        EXPECT_EQ(day->tag(), 44) << index << ": the same letter on another day is not today";
        EXPECT_EQ(day->layer()->borderColor(), (Color{0, 0, 0, 0})) << index;
      }
    }
    EXPECT_EQ(widget->viewWithTag(3354), dayLabel(*widget, static_cast<std::size_t>(today)));
  }
}

TEST_F(WeekWidgetBuilderTest, CentresTheRowOfDaysWhateverTheElementSize) {
  const struct {
    const char* width;
    const char* height;
    Rect row;
    double dayY;
  } cases[] = {
      {"300", "50", {15, 0, 270, 50}, 10},
      {"301", "51", {15, 0, 270, 51}, 10},
      {"270", "30", {0, 0, 270, 30}, 0},
      {"100", "20", {-85, 0, 270, 20}, -5},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.width) + " x " + test.height);
    const auto widget = build(sized(test.width, test.height));
    const auto& background = widget->subviews().at(0);
    EXPECT_EQ(background->frame(), (Rect{0, 0, std::stod(test.width), std::stod(test.height)}));
    EXPECT_EQ(rowOf(*widget)->frame(), test.row);
    EXPECT_EQ(rowOf(*widget)->tag(), 9966);
    for (std::size_t index = 0; index < 7; ++index) {
      EXPECT_EQ(dayLabel(*widget, index)->frame(), (Rect{40.0 * static_cast<double>(index), test.dayY, 30, 30}));
    }
  }
}

TEST_F(WeekWidgetBuilderTest, StylesTheContainerAndBackground) {
  Value options = sized("300", "50");
  options["backgroundColor"] = "rgba(0,0,255,0.5)";
  options["scale"] = "0.5";
  const auto widget = build(options);
  EXPECT_EQ(widget->tag(), 12);
  EXPECT_FALSE(widget->isUserInteractionEnabled());
  EXPECT_EQ(widget->transform(), graphics::AffineTransform::identity().scaledBy(0.5, 0.5));
  EXPECT_EQ(widget->bounds().size, (graphics::Size{300, 50}));
  const auto& background = widget->subviews().at(0);
  EXPECT_EQ(background->backgroundColor(), (Color{0, 0, 1, 0.5}));
  EXPECT_EQ(background->layer()->cornerRadius(), 20);
  EXPECT_TRUE(background->clipsToBounds());

  options["scale"] = "0";
  EXPECT_TRUE(build(options)->transform().isIdentity());
}

TEST_F(WeekWidgetBuilderTest, WritesTheDayLettersInTheTextStyle) {
  const struct {
    const char* style;
    const char* letters;
  } cases[] = {
      {"uppercase", "SMTWTFS"}, {"capitalize", "SMTWTFS"}, {"lowercase", "smtwtfs"},
      {"none", ""},             {"Uppercase", ""},         {nullptr, ""},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.style ? test.style : "no style");
    Value options = sized("300", "50");
    options.erase("textStyle");
    if (test.style) options["textStyle"] = test.style;
    const auto widget = build(options);
    std::string letters;
    for (std::size_t index = 0; index < 7; ++index) letters += dayLabel(*widget, index)->text();
    EXPECT_EQ(letters, test.letters);
  }
}

TEST_F(WeekWidgetBuilderTest, GivesEveryDayTheFontColourCornersAndShadow) {
  Value options = sized("300", "50");
  options["textColor"] = "rgba(255,0,0,1)";
  options["textShadow"] = {{"color", "rgba(0,0,0,1)"}, {"radius", "3"}, {"x", "1"}, {"y", "2"}};
  const auto widget = build(options);
  for (std::size_t index = 0; index < 7; ++index) {
    SCOPED_TRACE(index);
    const auto day = dayLabel(*widget, index);
    EXPECT_EQ(day->font().pointSize, 15);
    EXPECT_EQ(day->textColor(), (Color{1, 0, 0, 1}));
    EXPECT_EQ(day->textAlignment(), ui::TextAlignment::center);
    EXPECT_EQ(day->layer()->cornerRadius(), 15);
    EXPECT_EQ(day->layer()->shadowRadius(), 3);
    EXPECT_EQ(day->layer()->shadowOffset(), (graphics::Size{1, 2}));
    EXPECT_TRUE(day->clipsToBounds()) << "clipping comes back on after the shadow";
  }

  options.erase("fontSize");
  EXPECT_EQ(dayLabel(*build(options), 0)->font().pointSize, std::trunc(VantileHelpers::fontSizeFromHeight(50)))
      << "an automatic size comes from the element's height";
}

}  // namespace
}  // namespace vantile
