#include <gtest/gtest.h>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::foundation {
namespace {

constexpr const char* kSettingsFile = "/var/mobile/Library/Preferences/com.kestrune.vantile.plist";

const char* const kXmlSettings = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
  <key>VantileTheme</key><string>Clean.json</string>
  <key>enabled</key><true/>
  <key>iconcolumns</key><integer>-4</integer>
  <key>lsOffset</key><real>12.5</real>
  <key>favourites</key><array><string>com.apple.mobilesafari</string></array>
  <key>blob</key><data>SGVsbG8=</data>
  <key>since</key><date>2001-01-01T00:00:10Z</date>
</dict>
</plist>
)";

TEST(PreferenceDomain, ReadsEveryPropertyListKindFromXml) {
  vantile::testing::TemporaryDeviceRoot root;
  root.writeFile(kSettingsFile, kXmlSettings);
  const auto settings = PreferenceDomain("com.kestrune.vantile").read();
  ASSERT_TRUE(settings);
  EXPECT_EQ((*settings)["VantileTheme"], "Clean.json");
  EXPECT_EQ((*settings)["enabled"], true);
  EXPECT_EQ((*settings)["iconcolumns"], -4);
  EXPECT_EQ((*settings)["lsOffset"], 12.5);
  EXPECT_EQ((*settings)["favourites"], Value::array({"com.apple.mobilesafari"}));
  EXPECT_EQ((*settings)["blob"], "SGVsbG8=");
  EXPECT_EQ((*settings)["since"], 978307210.0);
}

TEST(PreferenceDomain, WritesAtomicallyAndReadsBackWhatItWrote) {
  vantile::testing::TemporaryDeviceRoot root;
  const PreferenceDomain domain("com.kestrune.vantile");
  ASSERT_TRUE(domain.setValueForKey("SB_VantileTheme", "Dock.json"));
  ASSERT_TRUE(domain.setValueForKey("hidelsitems", 1));
  EXPECT_EQ(domain.valueForKey("SB_VantileTheme"), Value("Dock.json"));
  EXPECT_EQ(domain.valueForKey("hidelsitems"), Value(1));
  EXPECT_FALSE(domain.valueForKey("missing"));
  EXPECT_EQ(listFolder(devicePath("/var/mobile/Library/Preferences")),
            std::vector<std::string>{"com.kestrune.vantile.plist"})
      << "no temporary file is left behind";
}

TEST(PreferenceDomain, GivesNothingForMissingOrBrokenFilesAndNeverOverwritesThem) {
  vantile::testing::TemporaryDeviceRoot root;
  const PreferenceDomain domain("com.kestrune.vantile");
  EXPECT_FALSE(domain.read());

  root.writeFile(kSettingsFile, "<plist><dict><key>a</key>");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(domain.read());
  EXPECT_FALSE(domain.setValueForKey("a", 1));
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(readFile(devicePath(kSettingsFile)), "<plist><dict><key>a</key>");

  root.writeFile(kSettingsFile, R"(<plist version="1.0"><array><string>x</string></array></plist>)");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(domain.read()) << "a property list that is not a dictionary";
  EXPECT_FALSE(domain.write(Value::array()));
  ::testing::internal::GetCapturedStderr();
}

TEST(PreferenceDomain, AnswersOverridesOverTheFileWithoutEverWritingThem) {
  vantile::testing::TemporaryDeviceRoot root;
  const PreferenceDomain domain("com.kestrune.vantile");
  PreferenceDomain::overrideValue("com.kestrune.vantile", "VantileTheme", "Flag.json");
  EXPECT_EQ(domain.read(), Value({{"VantileTheme", "Flag.json"}})) << "over a missing file";
  EXPECT_FALSE(PreferenceDomain("other.domain").read());

  root.writeFile(kSettingsFile, kXmlSettings);
  EXPECT_EQ(domain.valueForKey("VantileTheme"), Value("Flag.json"));
  EXPECT_EQ(domain.valueForKey("enabled"), Value(true));
  ASSERT_TRUE(domain.setValueForKey("enabled", false));
  PreferenceDomain::clearOverrides();
  EXPECT_EQ(domain.valueForKey("VantileTheme"), Value("Clean.json")) << "the file kept its own value";
  EXPECT_EQ(domain.valueForKey("enabled"), Value(false));
}

TEST(PropertyListConversion, RoundTripsNestedValues) {
  const Value value = {{"name", "Glass"}, {"children", {{"a", {{"n", 3}, {"on", false}}}}}, {"list", {1.5, "x"}}};
  const auto xml = xmlPropertyListFromValue(value);
  ASSERT_TRUE(xml);
  EXPECT_EQ(valueFromPropertyList(*xml), value);
}

}  // namespace
}  // namespace platform::foundation
