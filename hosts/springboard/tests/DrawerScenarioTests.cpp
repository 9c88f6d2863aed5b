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

bool hasLabel(const Value* tree, const std::string& text) {
  return tree != nullptr && findView(*tree, "text", text) != nullptr;
}

// On the example device a swipe up on the home screen opens the app drawer on its badges page;
// an app made a favourite from its options sheet shows on the favourites page, and a tap on it
// there opens the app.
TEST(DrawerScenario, SwipeUpOpensTheDrawerWhoseFavouritesOpenApps) {
  ScenarioDevice device("examples/device");
  const auto file = [&](const char* name) { return (device.path() / name).string(); };
  const Value scenario = Value::array({
      {{"at", 1}, {"do", "unlock"}},
      {{"at", 2}, {"do", "snapshot"}, {"dump", file("before.json")}},
      {{"at", 3}, {"do", "swipe"}, {"x", 187}, {"y", 600}, {"direction", "up"}},
      {{"at", 4}, {"do", "snapshot"}, {"dump", file("open.json")}},
      {{"at", 5}, {"do", "tap"}, {"x", 254}, {"y", 65}},
      {{"at", 6}, {"do", "longPressApp"}, {"bundle", "com.apple.Maps"}},
      {{"at", 7}, {"do", "chooseAction"}, {"title", "Add to favorites"}},
      {{"at", 8}, {"do", "tap"}, {"x", 187}, {"y", 65}},
      {{"at", 9}, {"do", "snapshot"}, {"dump", file("favourites.json")}},
      {{"at", 10}, {"do", "tap"}, {"x", 61}, {"y", 130}},
      {{"at", 11}, {"do", "snapshot"}, {"dump", file("launched.json")}},
  });
  ASSERT_TRUE(platform::foundation::writeFileAtomically(file("scenario.json"), scenario.dump()));
  HostProcess host(springboardProgram(), {"--root", device.path().string(), "--scenario", file("scenario.json")}, {});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_EQ(host.errors().find("scenario event"), std::string::npos) << host.errors();

  EXPECT_EQ(findView(readDump(file("before.json"))["homescreen"], "class", "AppDrawerViewController"), nullptr);

  const Value open = readDump(file("open.json"));
  const Value* drawer = findView(open["homescreen"], "class", "AppDrawerViewController");
  ASSERT_NE(drawer, nullptr) << open.dump(1);
  EXPECT_TRUE(hasLabel(drawer, "Mail"));
  EXPECT_FALSE(hasLabel(drawer, "Maps")) << "Maps has no badge";

  const Value favourites = readDump(file("favourites.json"));
  drawer = findView(favourites["homescreen"], "class", "AppDrawerViewController");
  EXPECT_TRUE(hasLabel(drawer, "Maps"));
  EXPECT_FALSE(hasLabel(drawer, "Mail"));

  const Value launched = readDump(file("launched.json"));
  EXPECT_EQ(launched["springboard"]["shown"], "application");
  EXPECT_EQ(launched["springboard"]["frontApplication"], "com.apple.Maps");
}

}  // namespace
}  // namespace vantile::springboard
