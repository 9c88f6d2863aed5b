#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScenarioDevice.h"
#include "SpringBoardHost.h"
#include "platform/foundation/DateFormatting.h"
#include "platform/foundation/Files.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::springboard {
namespace {

class SpringBoardScenario : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::foundation::setTimeZone("Asia/Tokyo")); }
  void TearDown() override { platform::foundation::useHostTimeZone(); }
};

// Both screens are built from the fixture's settings and themes, at 21:45 on a Saturday in
// Tokyo with the 24-hour switch on, then the clock runs two seconds.
TEST_F(SpringBoardScenario, BuildsBothScreensFromTheSettingsAndRunsTheirClock) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/scenario-device");
  HostOptions options;
  options.root = device.path();
  options.at = LocalDateTime{2026, 3, 14, 21, 45, 0};
  SpringBoardHost host(options);
  ASSERT_TRUE(host.start());
  host.runClock(2);

  const auto expected = platform::foundation::readFile(std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) /
                                                       "hosts/springboard/tests/fixtures/scenario-expected.json");
  ASSERT_TRUE(expected);
  const platform::Value actual = host.dump();
  EXPECT_EQ(actual, platform::Value::parse(*expected)) << actual.dump(2);
}

struct PlaceholderCase {
  std::string settings;
  std::optional<std::string> lockFlag;
  std::string expectedLockText;
  std::string expectedHomeText;
};

// The controller answers a missing theme file with a "No Theme" placeholder naming the path.
TEST_F(SpringBoardScenario, ShowsThePlaceholderOfTheThemeThatSettingsAndFlagsName) {
  const std::string themes = "No Theme file:///var/mobile/Library/Vantile/themes/";
  const std::vector<PlaceholderCase> cases{
      {"", std::nullopt, themes + "vertical.json", themes + "vertical.json"},
      {"not a property list", std::nullopt, themes + "vertical.json", themes + "vertical.json"},
      {"<plist version=\"1.0\"><dict><key>VantileTheme</key><string>Gone.json</string></dict></plist>", std::nullopt,
       themes + "Gone.json", themes + "vertical.json"},
      {"<plist version=\"1.0\"><dict><key>VantileTheme</key><string>Gone.json</string></dict></plist>", "Flagged.json",
       themes + "Flagged.json", themes + "vertical.json"},
  };
  for (const PlaceholderCase& placeholder : cases) {
    SCOPED_TRACE(placeholder.settings + " / " + placeholder.lockFlag.value_or("no flag"));
    testing::TemporaryDeviceRoot root;
    if (!placeholder.settings.empty()) {
      root.writeFile("/var/mobile/Library/Preferences/com.kestrune.vantile.plist", placeholder.settings);
    }
    HostOptions options;
    options.root = root.path();
    options.lockTheme = placeholder.lockFlag;
    SpringBoardHost host(options);
    ASSERT_TRUE(host.start());
    const platform::Value dump = host.dump();
    const platform::Value& lockRoot = dump["lockscreen"]["subviews"][1];
    EXPECT_EQ(lockRoot["tag"], 8945);
    EXPECT_EQ(lockRoot["frame"], platform::Value::parse("[37.5, 356, 300, 100]"));
    EXPECT_EQ(lockRoot["subviews"][0]["text"], placeholder.expectedLockText);
    EXPECT_EQ(dump["homescreen"]["subviews"][1]["subviews"][0]["text"], placeholder.expectedHomeText);
  }
}

TEST(SpringBoardHost, RefusesToStartWithoutItsDeviceFolder) {
  HostOptions options;
  options.root = "/nonexistent/vantile-device";
  EXPECT_EQ(SpringBoardHost(options).run(), 2);
}

}  // namespace
}  // namespace vantile::springboard
