#include <gtest/gtest.h>

#include "ScenarioDevice.h"
#include "SpringBoardHost.h"
#include "platform/foundation/DateFormatting.h"
#include "platform/ui/render/Renderer.h"
#include "testing/ReferenceImage.h"

namespace vantile::springboard {
namespace {

// The demo's lock screen: wallpaper picture, glass panel with ring and bars, week strip,
// analog clock with picture hands, scrolling label, all in the project's own fonts.
TEST(DemoPixels, TheExampleLockScreenLooksAsDrawn) {
  ASSERT_TRUE(platform::foundation::setTimeZone("Europe/Berlin"));
  ScenarioDevice device("examples/device");
  HostOptions options;
  options.root = device.path();
  options.screen = ScreenSpec{375, 812, 1};
  options.at = LocalDateTime{2026, 12, 9, 8, 30, 0};
  SpringBoardHost host(options);
  ASSERT_TRUE(host.start());
  host.runClock(3);

  EXPECT_TRUE(testing::matchesReference(platform::ui::snapshot(*host.lockScreen()), "hosts/springboard/tests/reference",
                                        "demo-lockscreen"));
  platform::foundation::useHostTimeZone();
}

}  // namespace
}  // namespace vantile::springboard
