#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/themefiles/ThemeApply.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {
namespace {

using platform::foundation::DarwinNotificationCenter;

constexpr const char* kSettingsFile = "/var/mobile/Library/Preferences/com.kestrune.vantile.plist";

class ThemeApply : public ::testing::Test {
 protected:
  ThemeApply() {
    for (const char* name : {"com.kestrune.vantile/preferences.changed", "com.kestrune.vantile/lsChanged",
                             "com.kestrune.vantile/sbChanged"}) {
      observations.push_back(DarwinNotificationCenter::shared().addObserver(
          name, [this](const std::string& posted) { received.push_back(posted); }));
    }
  }

  std::vector<std::string> delivered() {
    platform::foundation::MainQueue::shared().runPending();
    return received;
  }
  static platform::Value settings() {
    return platform::foundation::PreferenceDomain("com.kestrune.vantile").read().value_or(platform::Value::object());
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot device;
  std::vector<std::shared_ptr<DarwinNotificationCenter::Observation>> observations;
  std::vector<std::string> received;
};

TEST_F(ThemeApply, ClockAppliedToTheHomeScreenIsRecordedWithItsExtensionThenTheTweakIsTold) {
  ASSERT_TRUE(platform::foundation::PreferenceDomain("com.kestrune.vantile").write({{"enabled", true}}));
  EXPECT_TRUE(applyThemeToTweak("Clock", "SB"));
  EXPECT_EQ(settings().size(), 2U);
  EXPECT_EQ(settings().value("enabled", false), true);
  EXPECT_EQ(settings().value("SB_VantileTheme", ""), "Clock.json");
  EXPECT_EQ(delivered(),
            (std::vector<std::string>{"com.kestrune.vantile/preferences.changed", "com.kestrune.vantile/sbChanged"}));
}

TEST_F(ThemeApply, TheLockScreenHasItsOwnKeyAndAnyOtherPlaceMeansTheHomeScreen) {
  const struct {
    std::string name;
    std::string place;
    std::string key;
    std::string recorded;
    std::string change;
  } cases[] = {
      {"Clock.json", "LS", "VantileTheme", "Clock.json", "com.kestrune.vantile/lsChanged"},
      {"Clock", "ls", "SB_VantileTheme", "Clock.json", "com.kestrune.vantile/sbChanged"},
      {"Clock.json.old", "", "SB_VantileTheme", "Clock.json.old", "com.kestrune.vantile/sbChanged"},
  };
  for (const auto& c : cases) {
    received.clear();
    EXPECT_TRUE(applyThemeToTweak(c.name, c.place));
    EXPECT_EQ(settings().value(c.key, ""), c.recorded) << c.name << " " << c.place;
    EXPECT_EQ(delivered(), (std::vector<std::string>{"com.kestrune.vantile/preferences.changed", c.change}));
  }
}

TEST_F(ThemeApply, AMissingSettingsFileIsCreated) {
  EXPECT_TRUE(applyThemeToTweak("Clock", "LS"));
  EXPECT_EQ(settings(), (platform::Value{{"VantileTheme", "Clock.json"}}));
}

TEST_F(ThemeApply, AnUnreadableSettingsFileIsLeftAsItIsAndTheTweakIsStillTold) {
  device.writeFile(kSettingsFile, "not a property list");
  EXPECT_FALSE(applyThemeToTweak("Clock", "LS"));
  EXPECT_EQ(platform::foundation::readFile(platform::foundation::devicePath(kSettingsFile)), "not a property list");
  EXPECT_EQ(delivered().size(), 2U);
}

TEST_F(ThemeApply, ANameThatWouldLeaveTheThemesFolderIsNeitherRecordedNorAnnounced) {
  for (const char* name : {"../x", "a/b.json", "..", ".hidden"}) {
    EXPECT_FALSE(applyThemeToTweak(name, "LS")) << name;
  }
  EXPECT_FALSE(platform::foundation::fileExists(platform::foundation::devicePath(kSettingsFile)));
  EXPECT_TRUE(delivered().empty());
}

}  // namespace
}  // namespace vantile::testing
