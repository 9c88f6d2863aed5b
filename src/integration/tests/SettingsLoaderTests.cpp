#include <gtest/gtest.h>

#include "controller/VantileController.h"
#include "integration/SettingsLoader.h"
#include "integration/tests/TweakTestSupport.h"
#include "providers/VantileDates.h"

namespace vantile::integration {
namespace {

using testing::TweakTest;

class SettingsLoaderTest : public TweakTest {
 protected:
  void SetUp() override {
    state().hooks.loadNewURL = [this] { ++pageLoads; };
  }
  int pageLoads = 0;
};

TEST_F(SettingsLoaderTest, AnEmptyDomainGivesTheDefaults) {
  writeSettings(platform::Value::object());
  loadPreferences();
  const TweakSettings& s = state().settings;
  EXPECT_FALSE(s.enabled);
  EXPECT_FALSE(s.enabled_sb);
  EXPECT_FALSE(s.hidelsitems);
  EXPECT_FALSE(s.darkoverlay);
  EXPECT_FALSE(s.enablelstouch);
  EXPECT_TRUE(s.enablemusic);
  EXPECT_TRUE(s.hidebattery);
  EXPECT_EQ(s.darkoverlayalpha, 0);
  EXPECT_EQ(s.movevantileyaxisvalue, 0);
  EXPECT_EQ(s.lockScreenThemePath, "/var/mobile/Library/Vantile/themes/vertical.json");
  EXPECT_EQ(s.homeScreenThemePath, "/var/mobile/Library/Vantile/themes/vertical.json");
  EXPECT_EQ(s.languagePath, "/var/mobile/Library/VantileAssets/languages/en.json");
  EXPECT_TRUE(state().homeScreen.iconsNeedRelayout);
}

TEST_F(SettingsLoaderTest, AMissingOrMalformedFileReadsAsAnEmptyDomainWithoutALineOfItsOwn) {
  root.writeFile("/var/mobile/Library/Preferences/com.kestrune.vantile.plist", "<plist><dict><key>enabled");
  ::testing::internal::CaptureStderr();
  loadPreferences();
  const std::string log = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(state().settings.enabled);
  EXPECT_TRUE(state().settings.enablemusic);
  // One line from the preferences layer, none from the loader.
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}

struct Reading {
  const char* key;
  platform::Value stored;
  bool TweakSettings::*flag;
  bool expected;
};

TEST_F(SettingsLoaderTest, BooleansAndSwitchesReadThroughFoundationsConversions) {
  const Reading readings[] = {
      {"enabled", "1", &TweakSettings::enabled, true},
      {"enabled", "YES", &TweakSettings::enabled, true},
      {"enabled", "no", &TweakSettings::enabled, false},
      {"enabled", 2, &TweakSettings::enabled, true},
      {"enablemusic", false, &TweakSettings::enablemusic, false},
      {"enablemusic", "0", &TweakSettings::enablemusic, false},
      {"hidelsitems", "1", &TweakSettings::hidelsitems, true},
      {"hidelsitems", 1, &TweakSettings::hidelsitems, true},
      {"hidelsitems", true, &TweakSettings::hidelsitems, true},
      {"hidelsitems", 1.5, &TweakSettings::hidelsitems, false},
      {"hidelsitems", 2, &TweakSettings::hidelsitems, false},
      {"iconrows", "1.0", &TweakSettings::iconrows, true},
      {"iconrows", 0.999, &TweakSettings::iconrows, false},
  };
  for (const Reading& reading : readings) {
    writeSettings(platform::Value{{reading.key, reading.stored}});
    loadPreferences();
    EXPECT_EQ(state().settings.*reading.flag, reading.expected) << reading.key << " = " << reading.stored.dump();
  }
}

TEST_F(SettingsLoaderTest, NumbersPathsAndSingletonsFollowTheDomain) {
  writeSettings({{"darkoverlayalpha", "0.25"},
                 {"movevantileyaxisvalue", "-50px"},
                 {"VantileTheme", "Neon.json"},
                 {"VantileLanguage", "de.json"},
                 {"actionbar", true},
                 {"twentyfour", "YES"},
                 {"weatheranimationsb", 1},
                 {"disableswipeleft", "1"},
                 {"customWeatherAnimation", true},
                 {"VantileWeatherCode", "32"}});
  loadPreferences();
  const TweakSettings& s = state().settings;
  EXPECT_FLOAT_EQ(s.darkoverlayalpha, 0.25f);
  EXPECT_EQ(s.movevantileyaxisvalue, -50);
  EXPECT_EQ(s.lockScreenThemePath, "/var/mobile/Library/Vantile/themes/Neon.json");
  EXPECT_EQ(s.homeScreenThemePath, "/var/mobile/Library/Vantile/themes/vertical.json");
  EXPECT_EQ(s.languagePath, "/var/mobile/Library/VantileAssets/languages/de.json");
  EXPECT_TRUE(s.hideCallToActionText);
  EXPECT_TRUE(s.hideCallToActionContainers);
  EXPECT_TRUE(VantileDates::sharedInstance().twentyfour());
  VantileController& controller = *VantileController::sharedInstance();
  EXPECT_TRUE(controller.weatherAnimationsEnabledForSB);
  EXPECT_FALSE(controller.weatherAnimationsEnabledForLS);
  EXPECT_TRUE(controller.disableSwipeLeft);
  EXPECT_TRUE(controller.hasWeatherConditionCode);
  EXPECT_EQ(controller.weatherConditionCode, 32);

  // A vanished theme key keeps the theme; a forced code outlives its switch.
  writeSettings({{"customWeatherAnimation", false}, {"VantileWeatherCode", "5"}});
  loadPreferences();
  EXPECT_EQ(state().settings.lockScreenThemePath, "/var/mobile/Library/Vantile/themes/Neon.json");
  EXPECT_FALSE(VantileDates::sharedInstance().twentyfour());
  EXPECT_FALSE(controller.disableSwipeLeft);
  EXPECT_EQ(controller.weatherConditionCode, 32);
  controller.hasWeatherConditionCode = false;
  controller.weatherConditionCode = 0;
  controller.weatherAnimationsEnabledForSB = false;
}

TEST_F(SettingsLoaderTest, ABatteryAnimationNameThatIsEmptyBecomesTheDefault) {
  writeSettings({{"VantileBatteryAnimation", ""}});
  loadPreferences();
  EXPECT_EQ(state().settings.batteryAnimationName, "particlespin");
  writeSettings({{"VantileBatteryAnimation", "bubbles"}});
  loadPreferences();
  EXPECT_EQ(state().settings.batteryAnimationName, "bubbles");
  writeSettings(platform::Value::object());
  loadPreferences();
  EXPECT_EQ(state().settings.batteryAnimationName, std::nullopt);
}

TEST_F(SettingsLoaderTest, AWidgetNameWithASpaceIsKeptAsWrittenAndReloadsOnlyWhenItChanges) {
  writeSettings({{"vantilelshtml", "clock"}});
  loadPreferences();
  EXPECT_EQ(pageLoads, 0);

  writeSettings({{"vantilelshtml", "my clock"}});
  loadPreferences();
  EXPECT_EQ(state().settings.htmlWidgetName, "my clock");
  EXPECT_EQ(pageLoads, 1);
  loadPreferences();
  EXPECT_EQ(pageLoads, 1);
}

TEST_F(SettingsLoaderTest, OffsetLoadersStoreWholePointsAndMarkTheirThemes) {
  writeSettings({{"lsthemexaxis", "12.7"}, {"lsthemeyaxis", -30}, {"sbthemexaxis", 4}, {"sbthemeyaxis", "x"}});
  loadLockScreenThemeOffset();
  EXPECT_FLOAT_EQ(state().settings.lsthemexaxis, 12);
  EXPECT_FLOAT_EQ(state().settings.lsthemeyaxis, -30);
  EXPECT_TRUE(state().lockScreen.lockScreenOffsetChanged);
  EXPECT_FALSE(state().homeScreen.homeScreenOffsetChanged);
  loadHomeScreenThemeOffset();
  EXPECT_FLOAT_EQ(state().settings.sbthemexaxis, 4);
  EXPECT_FLOAT_EQ(state().settings.sbthemeyaxis, 0);
  EXPECT_TRUE(state().homeScreen.homeScreenOffsetChanged);
}

}  // namespace
}  // namespace vantile::integration
