#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostProcess.h"
#include "platform/foundation/files/Files.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::springboard {
namespace {

TEST(HostCommandLine, PrintsTheUsageOnStandardOutputForHelp) {
  HostProcess host(springboardProgram(), {"--help"});
  ASSERT_TRUE(host.started());
  EXPECT_EQ(host.wait(), 0);
  EXPECT_TRUE(host.output().starts_with("usage: springboard --root DIR")) << host.output();
  EXPECT_NE(host.output().find("--scenario FILE"), std::string::npos);
  EXPECT_EQ(host.errors(), "");
}

TEST(HostCommandLine, RefusesBadArgumentsWithTheReasonAndTheUsageOnStandardError) {
  const std::vector<std::vector<std::string>> cases{
      {},
      {"--root"},
      {"--root", "x", "--colour", "red"},
      {"--root", "x", "--live", "--seconds", "3"},
  };
  for (const auto& arguments : cases) {
    HostProcess host(springboardProgram(), arguments);
    EXPECT_EQ(host.wait(), 2);
    EXPECT_TRUE(host.errors().starts_with("springboard: ")) << host.errors();
    EXPECT_NE(host.errors().find("usage: springboard"), std::string::npos);
    EXPECT_EQ(host.output(), "");
  }
}

TEST(HostCommandLine, RefusesAMissingDeviceFolder) {
  HostProcess host(springboardProgram(), {"--root", "/nonexistent/vantile-device"});
  EXPECT_EQ(host.wait(), 2);
  EXPECT_EQ(host.errors(), "springboard: the device folder /nonexistent/vantile-device does not exist\n");
}

// Nothing runs: no output is written, and the one line names the file and the event.
TEST(HostCommandLine, RefusesABadScenarioBeforeAnythingRuns) {
  testing::TemporaryDeviceRoot root;
  const auto scenario = root.path() / "scenario.json";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(
      scenario, R"([{"at": 1, "do": "unlock"}, {"at": 2, "do": "tap", "x": 10}])"));
  const auto dump = root.path() / "views.json";
  HostProcess host(springboardProgram(),
                   {"--root", root.path().string(), "--scenario", scenario.string(), "--dump", dump.string()});
  EXPECT_EQ(host.wait(), 2);
  EXPECT_EQ(hostLines(host.errors()),
            std::vector<std::string>{"springboard: " + scenario.string() + ": event 1: \"tap\" needs \"y\""});
  EXPECT_FALSE(platform::foundation::fileExists(dump));
  EXPECT_EQ(host.output(), "");
}

TEST(HostCommandLine, SaysWhyATweakCannotBeLoadedAndEndsWithOne) {
  testing::TemporaryDeviceRoot root;
  HostProcess host(springboardProgram(), {"--root", root.path().string(), "--tweak", "/nonexistent/libNone.so"});
  EXPECT_EQ(host.wait(), 1);
  const auto lines = hostLines(host.errors());
  ASSERT_EQ(lines.size(), 1u) << host.errors();
  EXPECT_TRUE(lines[0].starts_with("springboard: cannot load the tweak /nonexistent/libNone.so: ")) << lines[0];
}

}  // namespace
}  // namespace vantile::springboard
