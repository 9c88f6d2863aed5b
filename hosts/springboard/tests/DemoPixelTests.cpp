#include <gtest/gtest.h>

#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/graphics/ImageCodec.h"
#include "testing/ReferenceImage.h"

namespace vantile::springboard {
namespace {

// The demo's screens as the host writes them: SpringBoard's status bar, date view, icons and dock
// beneath the themes (wallpaper picture, glass panel with ring and bars, week strip, analog clock
// with picture hands, scrolling label), all in the project's own fonts.
TEST(DemoPixels, TheExampleScreensLookAsDrawn) {
  ScenarioDevice device("examples/device");
  const auto lock = device.path() / "lock.png";
  const auto home = device.path() / "home.png";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00", "--seconds",
                    "3", "--lock-png", lock.string(), "--home-png", home.string()},
                   {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();

  EXPECT_TRUE(testing::matchesReference(platform::graphics::decodeImageFile(lock), "hosts/springboard/tests/reference",
                                        "demo-lockscreen"));
  EXPECT_TRUE(testing::matchesReference(platform::graphics::decodeImageFile(home), "hosts/springboard/tests/reference",
                                        "demo-homescreen"));
}

}  // namespace
}  // namespace vantile::springboard
