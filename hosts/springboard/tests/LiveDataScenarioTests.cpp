#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "DumpSearch.h"
#include "HostProcess.h"
#include "ScenarioDevice.h"
#include "platform/foundation/files/Files.h"

namespace vantile::springboard {
namespace {

std::filesystem::path sourcePath(const std::string& relative) {
  return std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / relative;
}

// The example device with a lock-screen theme of every provider's tokens: the labels show the
// device, and the ones on the every-second list follow a battery and song change within a tick.
TEST(LiveDataScenario, LabelsShowTheDeviceAndFollowItsChanges) {
  ScenarioDevice device("examples/device");
  const std::filesystem::path themes = device.path() / "var/mobile/Library/Vantile/themes";
  std::filesystem::copy_file(sourcePath("hosts/springboard/tests/fixtures/live-data/LiveData.json"),
                             themes / "LiveData.json");
  const auto dumpAt = [&](double at, const char* name) {
    return platform::Value{{"at", at}, {"do", "snapshot"}, {"dump", (device.path() / name).string()}};
  };
  const platform::Value scenario = {
      dumpAt(0.5, "before.json"),
      {{"at", 1}, {"do", "device"}, {"path", "battery.level"}, {"value", 20}},
      {{"at", 1}, {"do", "device"}, {"path", "nowPlaying.title"}, {"value", "Low Tide"}},
      dumpAt(2.5, "after.json"),
  };
  const auto scenarioFile = device.path() / "scenario.json";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(scenarioFile, scenario.dump()));
  HostProcess host(springboardProgram(),
                   {"--root", device.path().string(), "--at", "2026-12-09T08:30:00", "--lock-theme", "LiveData.json",
                    "--scenario", scenarioFile.string()},
                   {"TZ=Europe/Berlin"});
  ASSERT_EQ(host.wait(), 0) << host.errors();

  const auto expectedFile = sourcePath("hosts/springboard/tests/fixtures/live-data/expected.json");
  const char* update = std::getenv("VANTILE_UPDATE_REFERENCES");
  const bool updating = update != nullptr && std::string(update) == "1";
  const auto expected = readDump(expectedFile);
  platform::Value written = platform::Value::object();
  for (const char* moment : {"before", "after"}) {
    const auto theme = findViewWithTag(readDump(device.path() / (std::string(moment) + ".json"))["lockscreen"], 8945);
    ASSERT_TRUE(theme) << moment;
    written[moment] = theme->view;
    if (!updating) {
      EXPECT_EQ(theme->view, expected[moment]) << moment << ": " << theme->view.dump(2);
    }
  }
  // VANTILE_UPDATE_REFERENCES=1 writes the expected views instead; look at them before keeping them.
  if (updating) {
    ASSERT_TRUE(platform::foundation::writeFileAtomically(expectedFile, written.dump(1) + "\n"));
  }
}

}  // namespace
}  // namespace vantile::springboard
