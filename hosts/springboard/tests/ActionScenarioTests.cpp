#include <gtest/gtest.h>

#include <string>

#include "DumpSearch.h"
#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"

namespace vantile::springboard {
namespace {

using platform::Value;

// Touches forwarded from the lock screen's notification list: a tap runs a theme animation (seen
// half-way and at its end), a tap on an element with an app unlocks and then opens it. On the
// home screen, with the icons hidden, the theme takes touches itself: a tap toggles the
// flashlight and a swipe to the right shows the today view.
TEST(ActionScenario, TouchesRunAnimationsUnlockThenLaunchAndActOnTheHomeScreen) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/actions-device");
  const auto file = [&](const char* name) { return (device.path() / name).string(); };
  const Value scenario = Value::array({
      {{"at", 1}, {"do", "tap"}, {"x", 250}, {"y", 420}},
      {{"at", 2}, {"do", "snapshot"}, {"dump", file("during.json")}},
      {{"at", 3.5}, {"do", "snapshot"}, {"dump", file("after.json")}},
      {{"at", 4}, {"do", "tap"}, {"x", 80}, {"y", 560}},
      {{"at", 5}, {"do", "snapshot"}, {"dump", file("launched.json")}},
      {{"at", 6}, {"do", "homeButton"}},
      {{"at", 7}, {"do", "tap"}, {"x", 80}, {"y", 560}},
      {{"at", 8}, {"do", "swipe"}, {"x", 150}, {"y", 650}, {"direction", "right"}},
      {{"at", 9}, {"do", "snapshot"}, {"dump", file("home.json")}},
  });
  ASSERT_TRUE(platform::foundation::writeFileAtomically(file("scenario.json"), scenario.dump()));
  HostProcess host(springboardProgram(), {"--root", device.path().string(), "--scenario", file("scenario.json")}, {});
  ASSERT_EQ(host.wait(), 0) << host.errors();

  const Value during = readDump(file("during.json"));
  const Value* panel = findView(during["lockscreen"], "id", "Panel");
  ASSERT_NE(panel, nullptr) << during.dump(1);
  EXPECT_EQ((*panel)["frame"], Value::array({200, 380, 120, 80}));
  ASSERT_TRUE(panel->contains("shown")) << panel->dump(1);
  // Half-way through its two seconds, from x 20 to 200.
  EXPECT_NEAR((*panel)["shown"]["frame"][0].get<double>(), 110, 10);

  const Value after = readDump(file("after.json"));
  panel = findView(after["lockscreen"], "id", "Panel");
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(panel->contains("shown"));
  EXPECT_EQ((*panel)["frame"], Value::array({200, 380, 120, 80}));
  EXPECT_EQ(after["springboard"]["locked"], true);

  const Value launched = readDump(file("launched.json"));
  EXPECT_EQ(launched["springboard"]["locked"], false);
  EXPECT_EQ(launched["springboard"]["shown"], "application");
  EXPECT_EQ(launched["springboard"]["frontApplication"], "com.apple.mobilesafari");

  const Value home = readDump(file("home.json"));
  EXPECT_EQ(home["springboard"]["shown"], "homescreen");
  EXPECT_EQ(home["springboard"]["flashlight"], 1);
  const Value* today = findView(home["homescreen"], "class", "SBHTodayView");
  ASSERT_NE(today, nullptr);
  EXPECT_EQ((*today)["hidden"], false);
}

}  // namespace
}  // namespace vantile::springboard
