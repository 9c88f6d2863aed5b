#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "DumpSearch.h"
#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"

namespace vantile::springboard {
namespace {

using platform::foundation::readFile;

constexpr const char* kLockTheme = "/var/mobile/Library/Vantile/themes/Evening.json";

// The lock-screen theme of the live host's latest dump, when there is one.
std::optional<FoundView> lockTheme(const std::filesystem::path& dumpFile) {
  const auto text = readFile(dumpFile);
  const auto dump = text ? platform::Value::parse(*text, nullptr, false) : platform::Value();
  return dump.is_object() ? findViewWithTag(dump["lockscreen"], 8945) : std::nullopt;
}

bool holdsText(const platform::Value& view, const std::string& text) {
  if (view.value("text", "") == text) {
    return true;
  }
  for (const platform::Value& subview : view.value("subviews", platform::Value::array())) {
    if (holdsText(subview, text)) {
      return true;
    }
  }
  return false;
}

int notify(const std::filesystem::path& root, const std::string& name) {
  HostProcess tool(vantileNotifyProgram(), {"--root", root.string(), name});
  return tool.wait();
}

// What a theme author does: the host runs live on a device folder; they edit the theme and a
// setting, tell the host with vantile-notify, and the rewritten outputs show the change.
TEST(LiveMode, ShowsAnEditedThemeAndSettingAfterTheNotificationsAndStopsCleanly) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/scenario-device");
  const auto dumpFile = device.path() / "views.json";
  const auto lockPicture = device.path() / "lock.png";
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--live", "--screen", "375x812@1", "--dump", dumpFile.string(),
                    "--lock-png", lockPicture.string()});
  ASSERT_TRUE(host.started());
  ASSERT_TRUE(eventually([&] { return lockTheme(dumpFile).has_value(); })) << host.errors();
  EXPECT_TRUE(platform::foundation::fileExists(lockPicture));
  const auto firstPicture = readFile(lockPicture);
  EXPECT_FALSE(holdsText(lockTheme(dumpFile)->view, "Edited while live"));

  const auto themeFile = device.path() / std::string(kLockTheme).substr(1);
  auto theme = platform::Value::parse(readFile(themeFile).value_or("{}"));
  theme["PresetView"]["children"]["box"]["children"]["caption"]["data"] = "Edited while live";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(themeFile, theme.dump()));
  const platform::foundation::PreferenceDomain settings("com.kestrune.vantile");
  ASSERT_TRUE(settings.setValueForKey("darkoverlay", true));
  ASSERT_TRUE(settings.setValueForKey("darkoverlayalpha", 0.5));
  EXPECT_EQ(notify(device.path(), "com.kestrune.vantile/preferences.changed"), 0);
  EXPECT_EQ(notify(device.path(), "com.kestrune.vantile/lsChanged"), 0);

  EXPECT_TRUE(eventually([&] {
    const auto shown = lockTheme(dumpFile);
    return shown && holdsText(shown->view, "Edited while live");
  })) << readFile(dumpFile).value_or("no dump");
  const auto text = readFile(dumpFile).value_or("");
  EXPECT_TRUE(findViewWithTag(platform::Value::parse(text)["lockscreen"], 8944)) << "the dark overlay of the setting";
  EXPECT_TRUE(eventually([&] { return readFile(lockPicture) != firstPicture; }));

  EXPECT_EQ(host.stop(SIGTERM), 0) << host.errors();
}

TEST(LiveMode, EndsCleanlyOnAnInterrupt) {
  ScenarioDevice device("hosts/springboard/tests/fixtures/scenario-device");
  const auto dumpFile = device.path() / "views.json";
  HostProcess host(springboardProgram(), {"--root", device.path().string(), "--live", "--dump", dumpFile.string()});
  ASSERT_TRUE(eventually([&] { return platform::foundation::fileExists(dumpFile); })) << host.errors();
  EXPECT_EQ(host.stop(SIGINT), 0) << host.errors();
}

}  // namespace
}  // namespace vantile::springboard
