#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ElementTemplateFactory.h"
#include "engine/builders/ElementFactory.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/views/ClockView.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/PNGCodec.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
using graphics::Rect;
using graphics::Size;
using platform::Value;

constexpr Rect kScreen{0, 0, 375, 812};
constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";
// 5 March 2024, 10:08:30 UTC.
constexpr foundation::TimeStamp kMorning = 1709633310;

std::string png(int width, int height) {
  const std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width * height) * 4, 255);
  return *graphics::encodePNG(*graphics::Image::fromRGBA(width, height, rgba));
}

class ClockBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    queue().clear();
    ASSERT_TRUE(foundation::setTimeZone("UTC"));
    queue().useManualClock(kMorning);
    // The template's pictures; hands tell by their sizes which picture they got.
    root.writeFile(std::string(kAssets) + "clock1bg.png", png(8, 8));
    root.writeFile(std::string(kAssets) + "clock1hr.png", png(20, 100));
    root.writeFile(std::string(kAssets) + "clock1min.png", png(16, 120));
    root.writeFile(std::string(kAssets) + "clock1sec.png", png(4, 140));
  }
  void TearDown() override {
    queue().clear();
    queue().useRealClock();
    foundation::useHostTimeZone();
  }

  static foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }

  static std::shared_ptr<ClockView> build(const Value& options) {
    return std::dynamic_pointer_cast<ClockView>(ElementFactory::createAnalogClockForView(options, 21, kScreen));
  }

  testing::TemporaryDeviceRoot root;
};

TEST_F(ClockBuilderTest, TheTemplateGivesARunningClockShownAtItsScaleAboutItsCentre) {
  const Value options = ElementTemplateFactory::sharedInstance().AnalogClock();
  const auto clock = build(options);
  ASSERT_TRUE(clock);
  const Rect frame = VantileHelpers::getRect(options["frame"], kScreen);
  EXPECT_EQ(clock->bounds().size, (Size{200, 200}));
  EXPECT_EQ(clock->center(), (graphics::Point{frame.x() + 100, frame.y() + 100}));
  EXPECT_EQ(clock->transform(), graphics::AffineTransform::identity().scaledBy(0.6, 0.6));
  EXPECT_EQ(clock->alpha(), 1);
  EXPECT_EQ(clock->tag(), 21);
  EXPECT_FALSE(clock->secHandContinuos());
  ASSERT_TRUE(clock->timer());

  const auto before = clock->secHand()->transform();
  queue().advance(1);
  EXPECT_NE(clock->secHand()->transform(), before) << "the second hand steps once a second";
}

TEST_F(ClockBuilderTest, EachMissingPictureGivesTheDrawnDefaultOfThatPartOnly) {
  const struct {
    const char* key;
    const char* unreadable;
  } cases[] = {
      {nullptr, nullptr},
      {"backgroundImage", "missing.png"},
      {"hourImage", "missing.png"},
      {"minuteImage", ""},
      {"secondImage", "clock1bg.png/nothing"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.key ? test.key : "all pictures");
    Value options = ElementTemplateFactory::sharedInstance().AnalogClock();
    if (test.key) options[test.key] = test.unreadable;
    const auto clock = build(options);
    const auto expectPicture = [&](const char* key, const platform::ui::Layer& part, Size pictureSize) {
      const bool missing = test.key && std::string(test.key) == key;
      EXPECT_EQ(part.contents().has_value(), !missing) << key;
      if (!missing && pictureSize.width > 0) {
        EXPECT_EQ(part.bounds().size, pictureSize) << key;
      }
    };
    expectPicture("backgroundImage", *clock->containerLayer(), {});
    expectPicture("hourImage", *clock->hourHand(), {10, 50});
    expectPicture("minuteImage", *clock->minHand(), {8, 60});
    expectPicture("secondImage", *clock->secHand(), {2, 70});
  }
}

TEST_F(ClockBuilderTest, ScaleZeroAndNoAlphaLeaveTheClockAsMade) {
  const auto clock = build({{"frame", {{"x", "0"}, {"y", "0"}, {"width", "100"}, {"height", "80"}}},
                            {"scale", "0"}});
  ASSERT_TRUE(clock);
  EXPECT_TRUE(clock->transform().isIdentity());
  EXPECT_EQ(clock->alpha(), 1);
  EXPECT_EQ(clock->frame(), (Rect{0, 0, 100, 80}));
  EXPECT_FALSE(clock->containerLayer()->contents());
  EXPECT_TRUE(clock->timer());

  EXPECT_EQ(build({{"alpha", "0.25"}})->alpha(), 0.25);
}

}  // namespace
}  // namespace vantile
