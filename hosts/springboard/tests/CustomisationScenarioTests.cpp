#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/ImageCodec.h"
#include "testing/ReferenceImage.h"

namespace vantile::springboard {
namespace {

using platform::foundation::readFile;
using platform::foundation::writeFileAtomically;

constexpr const char* kSettings = "var/mobile/Library/Preferences/com.kestrune.vantile.plist";
constexpr const char* kFixtures = "hosts/springboard/tests/fixtures/";

std::filesystem::path sourcePath(const std::string& relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

// The device's settings with more keys: each a key and its plist value ("<true/>", "<integer>1</integer>").
void addSettings(const ScenarioDevice& device, const std::vector<std::pair<std::string, std::string>>& keys) {
  const auto file = device.path() / kSettings;
  std::string text = readFile(file).value_or("");
  std::string added;
  for (const auto& [key, value] : keys) {
    added.append("<key>").append(key).append("</key>").append(value).append("\n");
  }
  text.insert(text.rfind("</dict>"), added);
  ASSERT_TRUE(writeFileAtomically(file, text));
}

// Both screens' view trees of the bundled example without its themes, whose own tests cover them.
platform::Value stockTrees(const platform::Value& view) {
  platform::Value kept = view;
  if (!view.contains("subviews")) return kept;
  kept["subviews"] = platform::Value::array();
  for (const auto& subview : view["subviews"]) {
    const auto tag = subview.value("tag", 0);
    if (tag == 8944 || tag == 8945 || tag == 8955) continue;
    kept["subviews"].push_back(stockTrees(subview));
  }
  return kept;
}

platform::Value dumpOf(const ScenarioDevice& device, std::vector<std::string> extra = {}) {
  const auto dumpFile = device.path() / "views.json";
  std::vector<std::string> arguments{"--root",  device.path().string(), "--screen", "390x844@1", "--at",
                                     "2026-03-14T21:45:00", "--seconds", "2", "--dump", dumpFile.string()};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  HostProcess host(springboardProgram(), arguments, {"TZ=Asia/Tokyo"});
  EXPECT_EQ(host.wait(), 0) << host.errors();
  const auto text = readFile(dumpFile);
  const platform::Value dump = text ? platform::Value::parse(*text, nullptr, false) : platform::Value();
  return {{"lockscreen", stockTrees(dump.value("lockscreen", platform::Value()))},
          {"homescreen", stockTrees(dump.value("homescreen", platform::Value()))}};
}

// Compares with an expected file of the fixtures; VANTILE_UPDATE_REFERENCES=1 writes it instead.
void expectMatchesFixture(const platform::Value& actual, const std::string& name) {
  const auto file = sourcePath(std::string(kFixtures).append(name));
  if (const char* update = std::getenv("VANTILE_UPDATE_REFERENCES"); update != nullptr && std::string(update) == "1") {
    ASSERT_TRUE(writeFileAtomically(file, actual.dump(1) + "\n"));
    return;
  }
  const auto text = readFile(file);
  ASSERT_TRUE(text) << file << " is missing (run with VANTILE_UPDATE_REFERENCES=1 to make it, then look at it)";
  EXPECT_EQ(actual, platform::Value::parse(*text, nullptr, false)) << actual.dump(1);
}

const std::vector<std::pair<std::string, std::string>> kGroupsWithEverySwitchOff = {
    {"hidelsitems", "<integer>1</integer>"},
    {"hidebattery", "<false/>"},
    {"enablesbhideitems", "<integer>1</integer>"},
    // Installs the grid rows; a row count below 1 keeps the stock one.
    {"iconrows", "<integer>1</integer>"},
    {"iconRowValue", "<integer>0</integer>"},
};

TEST(CustomisationScenario, GroupsInstalledWithEverySwitchOffLeaveBothStockScreensAsTheyWere) {
  ScenarioDevice stock("examples/device");
  ScenarioDevice installed("examples/device");
  addSettings(installed, kGroupsWithEverySwitchOff);
  const platform::Value stockDump = dumpOf(stock);
  ASSERT_TRUE(stockDump["lockscreen"].contains("subviews"));
  EXPECT_EQ(dumpOf(installed), stockDump);
}

TEST(CustomisationScenario, TheLockScreenLosesItsItemsAndTheListNarrowsAboutTheMiddle) {
  ScenarioDevice device("examples/device");
  addSettings(device, {{"hidelsitems", "<integer>1</integer>"},
                       {"hidemusic", "<true/>"},
                       {"hidetime", "<true/>"},
                       {"hidepagedots", "<true/>"},
                       {"actionbar", "<true/>"},
                       {"hideflashlight", "<true/>"},
                       {"hidecamera", "<true/>"},
                       {"hidelockscreenstatusbar", "<integer>1</integer>"},
                       {"changenotificationwidth", "<true/>"},
                       {"notificationwidth", "<integer>-40</integer>"},
                       {"centernotification", "<true/>"},
                       {"changenotificationy", "<true/>"},
                       {"notificationy", "<integer>300</integer>"},
                       {"hidenotificationtitle", "<true/>"}});
  expectMatchesFixture(dumpOf(device)["lockscreen"], "customised-lockscreen-expected.json");
}

TEST(CustomisationScenario, TheHomeScreenGridTakesFiveColumnsInsetsScaleAndHidesLabelsAndDots) {
  ScenarioDevice device("examples/device");
  addSettings(device, {{"enablesbhideitems", "<integer>1</integer>"},
                       {"hidelabels", "<true/>"},
                       {"hidedots", "<true/>"},
                       {"hidedockbg", "<true/>"},
                       {"iconcolumns", "<integer>1</integer>"},
                       {"iconColumnValue", "<integer>5</integer>"},
                       {"sideoffset", "<integer>1</integer>"},
                       {"iconsideoffset", "<real>12.6</real>"},
                       {"icontopoffset", "<integer>1</integer>"},
                       {"iconlisttopoffset", "<integer>40</integer>"},
                       {"iconscale", "<integer>1</integer>"},
                       {"iconscalevalue", "<real>0.75</real>"}});
  expectMatchesFixture(dumpOf(device)["homescreen"], "customised-homescreen-expected.json");
}

// The bundled example with its customised settings: five columns of smaller icons without
// labels or dock background, over the home-screen theme.
TEST(CustomisationPixels, TheCustomisedExampleHomeScreenLooksAsDrawn) {
  ScenarioDevice device("examples/device");
  std::filesystem::copy_file(device.path() / "variants/customised.plist", device.path() / kSettings,
                             std::filesystem::copy_options::overwrite_existing);
  const auto home = device.path() / "home.png";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--screen", "375x812@1", "--at", "2026-12-09T08:30:00", "--seconds",
                    "3", "--home-png", home.string()},
                   {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();
  EXPECT_TRUE(testing::matchesReference(platform::graphics::decodeImageFile(home), "hosts/springboard/tests/reference",
                                        "customised-homescreen"));
}

}  // namespace
}  // namespace vantile::springboard
