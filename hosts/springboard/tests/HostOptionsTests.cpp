#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostOptions.h"
#include "HostOptions.h"
#include "platform/foundation/locale/DateFormatting.h"

namespace vantile::springboard {
namespace {

using Arguments = std::vector<std::string>;

TEST(HostOptions, TakesEveryFlagWithItsValue) {
  const auto parsed = parseHostOptions({"--root", "dev", "--screen", "390x844@2", "--at", "2026-12-09T08:30:00",
                                        "--seconds", "2.5", "--lock-png", "l.png", "--home-png", "h.png", "--dump",
                                        "d.json", "--lock-theme", "A.json", "--home-theme", "B.json", "--scenario",
                                        "s.json", "--ios", "14", "--tweak", "lib/libT.so"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const HostOptions& options = *parsed.options;
  EXPECT_EQ(options.root, "dev");
  EXPECT_EQ(options.screen, (ScreenSpec{390, 844, 2}));
  EXPECT_EQ(options.at, (LocalDateTime{2026, 12, 9, 8, 30, 0}));
  EXPECT_EQ(options.seconds, 2.5);
  EXPECT_EQ(options.lockPng, "l.png");
  EXPECT_EQ(options.homePng, "h.png");
  EXPECT_EQ(options.dump, "d.json");
  EXPECT_EQ(options.lockTheme, "A.json");
  EXPECT_EQ(options.homeTheme, "B.json");
  EXPECT_EQ(options.scenario, "s.json");
  EXPECT_EQ(options.ios, 14);
  EXPECT_EQ(options.tweak, "lib/libT.so");
}

TEST(HostOptions, TakesLiveAsAFlagWithoutValue) {
  const auto parsed = parseHostOptions({"--live", "--root", "dev", "--dump", "d.json"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_TRUE(parsed.options->live);
  EXPECT_EQ(parsed.options->dump, "d.json");
}

TEST(HostOptions, AsksForTheUsageWhereverHelpStandsEvenAmongBadArguments) {
  for (const Arguments& arguments : {Arguments{"--help"}, Arguments{"--root", "a", "-h"}, Arguments{"--bad", "--help"}}) {
    const auto parsed = parseHostOptions(arguments);
    EXPECT_TRUE(parsed.help);
    EXPECT_FALSE(parsed.options);
  }
  EXPECT_FALSE(parseHostOptions({"--root", "a"}).help);
}

TEST(HostOptions, LeavesWhatIsNotGivenAtItsDefault) {
  const auto parsed = parseHostOptions({"--root", "dev"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->screen, ScreenSpec{});
  EXPECT_FALSE(parsed.options->at);
  EXPECT_EQ(parsed.options->seconds, 0);
  EXPECT_FALSE(parsed.options->lockPng || parsed.options->homePng || parsed.options->dump);
  EXPECT_FALSE(parsed.options->lockTheme || parsed.options->homeTheme);
  EXPECT_FALSE(parsed.options->live || parsed.options->scenario || parsed.options->ios || parsed.options->tweak);
}

TEST(HostOptions, ReadsAScreenWithoutScaleAtTheDefaultScale) {
  const auto parsed = parseHostOptions({"--screen", "320x568", "--root", "dev"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->screen, (ScreenSpec{320, 568, 3}));
}

struct RefusedCase {
  Arguments arguments;
  std::string reasonContains;
};

TEST(HostOptions, RefusesBadArgumentsSayingWhy) {
  const std::vector<RefusedCase> cases{
      {{}, "--root is required"},
      {{"--screen", "375x812@3"}, "--root is required"},
      {{"--root"}, "--root needs a value"},
      {{"--root", ""}, "--root needs a folder"},
      {{"--root", "a", "--root", "b"}, "given twice"},
      {{"--root", "a", "--verbose", "1"}, "unknown argument \"--verbose\""},
      {{"root", "a"}, "unknown argument"},
      {{"--root", "a", "--screen", "375"}, "--screen"},
      {{"--root", "a", "--screen", "375x812@0"}, "--screen"},
      {{"--root", "a", "--screen", "-375x812@3"}, "--screen"},
      {{"--root", "a", "--screen", "375x812@3x"}, "--screen"},
      {{"--root", "a", "--screen", "99999x812@3"}, "--screen"},
      {{"--root", "a", "--at", "2026-12-09 08:30:00"}, "--at"},
      {{"--root", "a", "--at", "2026-02-30T08:30:00"}, "--at"},
      {{"--root", "a", "--at", "2026-12-09T24:00:00"}, "--at"},
      {{"--root", "a", "--at", "2026-12-09T08:30"}, "--at"},
      {{"--root", "a", "--at", "2026-1-09T08:30:00"}, "--at"},
      {{"--root", "a", "--seconds", "-1"}, "--seconds"},
      {{"--root", "a", "--seconds", "ten"}, "--seconds"},
      {{"--root", "a", "--seconds", "nan"}, "--seconds"},
      {{"--root", "a", "--seconds", "100000"}, "--seconds"},
      {{"--root", "a", "--lock-theme", "../secret.json"}, "--lock-theme"},
      {{"--root", "a", "--home-theme", ""}, "--home-theme"},
      {{"--root", "a", "--dump", ""}, "--dump"},
      {{"--root", "a", "--live", "--live"}, "--live is given twice"},
      {{"--root", "a", "--live", "--at", "2026-12-09T08:30:00"}, "--at runs on the manual clock"},
      {{"--root", "a", "--seconds", "3", "--live"}, "--seconds runs on the manual clock"},
      {{"--root", "a", "--live", "--scenario", "s.json"}, "--scenario runs on the manual clock"},
      {{"--root", "a", "--scenario"}, "--scenario needs a value"},
      {{"--root", "a", "--ios", "16.5"}, "--ios"},
      {{"--root", "a", "--ios", "8"}, "--ios"},
      {{"--root", "a", "--ios", "18"}, "--ios"},
      {{"--root", "a", "--tweak", ""}, "--tweak"},
  };
  for (const RefusedCase& refused : cases) {
    std::string shown;
    for (const std::string& argument : refused.arguments) shown += "'" + argument + "' ";
    const auto parsed = parseHostOptions(refused.arguments);
    EXPECT_FALSE(parsed.options) << shown;
    EXPECT_NE(parsed.error.find(refused.reasonContains), std::string::npos) << shown << "→ " << parsed.error;
  }
}

TEST(LocalDateTime, PlacesAReadingInTheProcesssTimeZone) {
  ASSERT_TRUE(platform::foundation::setTimeZone("Asia/Tokyo"));
  EXPECT_EQ(timeStampInProcessZone({2026, 12, 9, 8, 30, 0}), 1796772600.0);  // 2026-12-08T23:30:00Z
  ASSERT_TRUE(platform::foundation::setTimeZone("Europe/Berlin"));
  EXPECT_EQ(timeStampInProcessZone({2026, 7, 1, 12, 0, 0}), 1782900000.0);  // 10:00Z, summer time
  // 02:30 does not exist on the night clocks go forward; the host starts an hour later.
  EXPECT_EQ(timeStampInProcessZone({2026, 3, 29, 2, 30, 0}), 1774747800.0);  // 01:30Z = 03:30 summer time
  platform::foundation::useHostTimeZone();
}

}  // namespace
}  // namespace vantile::springboard
