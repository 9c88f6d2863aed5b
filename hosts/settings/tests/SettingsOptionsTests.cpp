#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsOptions.h"

namespace vantile::settings_host {
namespace {

TEST(SettingsOptions, ReadsEveryFlag) {
  const auto parsed = parseSettingsOptions({"--root", "device", "--screen", "390x844@2", "--at", "2026-12-09T08:30:00",
                                            "--scenario", "s.json", "--png", "out.png", "--dump", "out.json"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const SettingsOptions& options = *parsed.options;
  EXPECT_EQ(options.root, "device");
  EXPECT_EQ(options.screen, (hosts::ScreenSpec{390, 844, 2}));
  ASSERT_TRUE(options.at);
  EXPECT_EQ(options.at->hour, 8);
  EXPECT_EQ(options.scenario, "s.json");
  EXPECT_EQ(options.png, "out.png");
  EXPECT_EQ(options.dump, "out.json");

  const auto least = parseSettingsOptions({"--root", "device"});
  ASSERT_TRUE(least.options);
  EXPECT_EQ(least.options->screen, hosts::ScreenSpec{});
  EXPECT_FALSE(least.options->at || least.options->scenario || least.options->png || least.options->dump);
  EXPECT_TRUE(parseSettingsOptions({"--png", "x", "--help"}).help);
}

TEST(SettingsOptions, RefusesBadArgumentsWithTheReason) {
  struct Refused {
    std::vector<std::string> arguments;
    std::string error;
  };
  const std::vector<Refused> cases{
      {{}, "--root is required"},
      {{"--png", "a.png"}, "--root is required"},
      {{"--root"}, "--root needs a value"},
      {{"--root", ""}, "--root needs a folder"},
      {{"--root", "d", "--root", "e"}, "--root is given twice"},
      {{"--root", "d", "--lock-png", "a.png"}, "unknown argument \"--lock-png\""},
      {{"--root", "d", "--screen", "wide"}, "--screen takes WIDTHxHEIGHT@SCALE, such as 375x812@3, not \"wide\""},
      {{"--root", "d", "--at", "tomorrow"}, "--at takes a date and time such as 2026-12-09T08:30:00, not \"tomorrow\""},
      {{"--root", "d", "--dump", ""}, "--dump needs a file"},
  };
  for (const Refused& refused : cases) {
    const auto parsed = parseSettingsOptions(refused.arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.error, refused.error);
  }
}

}  // namespace
}  // namespace vantile::settings_host
