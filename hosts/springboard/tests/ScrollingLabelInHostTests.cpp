#include <gtest/gtest.h>

#include <functional>

#include "ScenarioDevice.h"
#include "SpringBoardHost.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/render/Renderer.h"

namespace vantile::springboard {
namespace {

const platform::ui::View* findByClass(const platform::ui::View& view, std::string_view className) {
  if (view.className() == className) {
    return &view;
  }
  for (const auto& subview : view.subviews()) {
    if (const auto* found = findByClass(*subview, className)) {
      return found;
    }
  }
  return nullptr;
}

// The demo's ticker (text wider than its 260-point frame, "Continuous", 30 points a second, a
// delay of 1 s) scrolls inside the host, under SpringBoard's view controllers: 4 s after the delay
// its text has moved 120 points to the left, and the pictures show it.
TEST(ScrollingLabelInHost, TheDemoTickerScrollsAtItsRateAfterItsDelay) {
  ASSERT_TRUE(platform::foundation::setTimeZone("Europe/Berlin"));
  ScenarioDevice device("examples/device");
  HostOptions options;
  options.root = device.path();
  options.screen = ScreenSpec{375, 812, 1};
  options.at = LocalDateTime{2026, 12, 9, 8, 30, 0};
  SpringBoardHost host(options);
  ASSERT_EQ(host.start(), std::nullopt);
  const platform::ui::View& lockScreen = host.session().lockScreen();
  const auto* ticker = findByClass(lockScreen, "MarqueeLabel");
  ASSERT_NE(ticker, nullptr);
  ASSERT_FALSE(ticker->subviews().empty());
  const auto textX = [&] { return ticker->subviews().front()->layer()->presentationProperties().position.x; };

  auto& queue = platform::foundation::MainQueue::shared();
  queue.advance(1);
  const double atOneSecond = textX();
  const auto firstPicture = platform::ui::snapshot(lockScreen);
  queue.advance(4);
  const double atFiveSeconds = textX();
  const auto secondPicture = platform::ui::snapshot(lockScreen);

  EXPECT_NEAR(atOneSecond - atFiveSeconds, 4 * 30, 0.5);
  ASSERT_TRUE(firstPicture && secondPicture);
  EXPECT_FALSE(std::ranges::equal(firstPicture->pixels(), secondPicture->pixels()));
  platform::foundation::useHostTimeZone();
}

}  // namespace
}  // namespace vantile::springboard
