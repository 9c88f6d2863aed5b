#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ElementTemplateFactory.h"
#include "engine/builders/ElementFactory.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/marquee/MarqueeLabel.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/PNGCodec.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
using graphics::Color;
using graphics::Rect;
using platform::Value;

constexpr Rect kScreen{0, 0, 375, 812};

class MarqueeLabelBuilderTest : public ::testing::Test {
 protected:
  void TearDown() override { foundation::MainQueue::shared().clear(); }

  static std::shared_ptr<MarqueeLabel> build(const Value& options) {
    return std::dynamic_pointer_cast<MarqueeLabel>(ElementFactory::createMarqueeLabelForView(options, 31, kScreen));
  }

  static Value withFrame(Value options) {
    options["frame"] = {{"x", "10"}, {"y", "20"}, {"width", "200"}, {"height", "30"}};
    return options;
  }

  testing::TemporaryDeviceRoot root;
};

TEST_F(MarqueeLabelBuilderTest, MapsTheScrollTypeNames) {
  const std::pair<Value, unsigned> cases[] = {
      {"Continuous", 2},        {"ContinuousRev", 3}, {"LeftRight", 0}, {Value(), 0},
      {"ContinuousReverse", 0}, {"continuous", 0},    {"2", 0},         {Value::object(), 0},
  };
  for (const auto& [scrollType, expected] : cases) {
    Value options = Value::object();
    if (!scrollType.is_null()) options["scrollType"] = scrollType;
    EXPECT_EQ(build(options)->marqueeType(), expected) << scrollType.dump();
  }
}

TEST_F(MarqueeLabelBuilderTest, TakesRateFadeAndDelayFromTheElementWithZeroWhenMissing) {
  const struct {
    const char* name;
    Value options;
    double rate;
    double fadeLength;
    double delay;
  } cases[] = {
      {"the template", ElementTemplateFactory::sharedInstance().MarqueeLabel(), 20, 20, 5},
      {"nothing given replaces the starting rate and fade", Value::object(), 0, 0, 0},
      {"words read as 0", {{"animationSpeed", "fast"}, {"fadeEdgesAmount", "soft"}, {"animationDelay", "soon"}}, 0, 0, 0},
      {"fractions and a fade wider than half the label",
       withFrame({{"animationSpeed", "12.5"}, {"fadeEdgesAmount", "150"}, {"animationDelay", "0.5"}}),
       12.5,
       150,
       0.5},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const auto label = build(test.options);
    EXPECT_EQ(label->rate(), test.rate);
    EXPECT_EQ(label->scrollDuration(), 0) << "a rate always replaces the duration";
    EXPECT_EQ(label->fadeLength(), test.fadeLength);
    EXPECT_EQ(label->animationDelay(), test.delay);
    EXPECT_EQ(label->animationCurve(), 0x30000u) << "linear";
  }
}

TEST_F(MarqueeLabelBuilderTest, SetsUpOneCentredClearLineThatIgnoresTouches) {
  const auto label = build(withFrame(Value::object()));
  EXPECT_EQ(label->frame(), (Rect{10, 20, 200, 30}));
  EXPECT_EQ(label->tag(), 31);
  EXPECT_EQ(label->numberOfLines(), 1);
  EXPECT_EQ(label->backgroundColor(), (Color{0, 0, 0, 0}));
  EXPECT_EQ(label->textAlignment(), platform::ui::TextAlignment::center);
  EXPECT_TRUE(label->clipsToBounds());
  EXPECT_FALSE(label->isUserInteractionEnabled());
  EXPECT_EQ(label->alpha(), 1);

  EXPECT_EQ(build({{"textAlignment", "NSTextAlignmentLeft"}})->textAlignment(), platform::ui::TextAlignment::left);
  EXPECT_EQ(build({{"alpha", "0.3"}})->alpha(), 0.3) << "alpha arrives through the property pass only";
}

TEST_F(MarqueeLabelBuilderTest, ResolvesTheFontLikeAPlainLabel) {
  const double fromHeight = std::trunc(VantileHelpers::fontSizeFromHeight(30));
  const std::pair<Value, double> cases[] = {
      {Value("18"), 18}, {Value("12.5"), fromHeight}, {Value(), fromHeight}, {Value(""), 0}};
  for (const auto& [size, expected] : cases) {
    Value options = withFrame({{"fontName", "NoSuchFont"}});
    if (!size.is_null()) options["fontSize"] = size;
    const auto label = build(options);
    EXPECT_EQ(label->font().pointSize, expected) << size.dump();
    EXPECT_EQ(label->font().name, graphics::systemFont(expected).name) << size.dump();
    EXPECT_EQ(label->subLabel()->font().pointSize, expected) << "the sublabel draws the text";
  }
}

TEST_F(MarqueeLabelBuilderTest, StylesTheTextThroughShadowPropertyPassBorderAndGradient) {
  const std::vector<std::uint8_t> rgba(4 * 4 * 4, 200);
  root.writeFile("/var/mobile/Library/VantileAssets/gradient.png",
                 *graphics::encodePNG(*graphics::Image::fromRGBA(4, 4, rgba)));
  const auto label = build(ElementTemplateFactory::sharedInstance().validateAndCompleteElement(
      {{"type", "MarqueeLabel"},
       {"textColor", "rgba(255,0,0,1)"},
       {"borderWidth", "2"},
       {"borderColor", "rgba(0,255,0,1)"},
       {"textShadow", {{"color", "rgba(0,0,0,1)"}, {"radius", "4"}, {"x", "1"}, {"y", "1"}}}}));
  EXPECT_EQ(label->textColor(), (Color{1, 0, 0, 1}));
  EXPECT_EQ(label->subLabel()->textColor(), (Color{1, 0, 0, 1}));
  EXPECT_EQ(label->layer()->borderWidth(), 2);
  EXPECT_EQ(label->layer()->borderColor(), (Color{0, 1, 0, 1}));
  EXPECT_EQ(label->layer()->shadowRadius(), 4);
  EXPECT_EQ(label->layer()->shadowOpacity(), 1);

  const auto patterned = build({{"gradientImage", "gradient.png"}, {"textColor", "rgba(255,0,0,1)"}});
  EXPECT_TRUE(patterned->subLabel()->textPattern()) << "the pattern paints the text the sublabel draws";
}

TEST_F(MarqueeLabelBuilderTest, LogsAValueAPropertyRefusesUnderItsOwnPrefix) {
  foundation::MainQueue::shared().runPending();
  const auto label = build({{"shadowRadius", "rgba(1,1,1,1)"}, {"textColor", "rgba(0,0,255,1)"}});
  EXPECT_EQ(label->textColor(), (Color{0, 0, 1, 1})) << "the pass went on";

  foundation::MainQueue::shared().runPending();
  const auto log = foundation::readFile(foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"));
  ASSERT_TRUE(log);
  EXPECT_EQ(*log, "\nLog:Setting MarqueeLabel shadowRadius : a colour is not a valid value for the key \"shadowRadius\"");
}

}  // namespace
}  // namespace vantile
