#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "inspector/valueeditor/ValueSuggestions.h"

namespace vantile {
namespace {

using Words = std::vector<std::string>;

const Words kActionWords{"animation",      "openDrawer", "openSpotlight", "openAppLibrary",   "openTodayView",
                         "unlockDevice",   "openPlayingMusic", "playMusic", "prevTrack", "nextTrack",
                         "vibrate",        "toggleFlashlight", "none"};

TEST(ValueSuggestions, TheAddressChoosesTheHeightAndTheList) {
  struct Case {
    const char* address;
    double height;
    std::optional<SuggestionSource> source;
    Words words;
  };
  const Case cases[] = {
      {"frame~x", 75, SuggestionSource::words, {"FR~", "center", "math()", "0"}},
      {"frame~y", 75, SuggestionSource::words, {"FB~", "center", "math()", "0"}},
      {"frame~width", 75, SuggestionSource::words, {"screen_width", "view_width", "math()"}},
      {"frame~height", 75, SuggestionSource::words, {"screen_height", "view_height", "math()"}},
      {"contentSize~height", 75, SuggestionSource::words, {"screen_height"}},
      {"data", 200, SuggestionSource::dataKeys, {}},
      {"dataAttr", 200, SuggestionSource::dataKeys, {}},
      {"bundleID", 150, SuggestionSource::installedApps, {}},
      {"action", 150, SuggestionSource::words, kActionWords},
      {"action~bundleID", 300, SuggestionSource::words, kActionWords},
      {"webviewURL", 75, SuggestionSource::words, {"/var/mobile/Library/VantileAssets/html/"}},
      {"imageFolder", 75, SuggestionSource::words, {"none", "signal", "wifi"}},
      {"ringBackground", 75, SuggestionSource::words, {"YES", "NO"}},
      {"showWhenCharging", 75, SuggestionSource::words, {"YES", "NO", "triggerOn:*, triggerOff:*"}},
      {"iconSet", 150, SuggestionSource::weatherIconSets, {}},
      // "data" must be the whole address; unknown keys get no list.
      {"dataValue", 0, std::nullopt, {}},
      {"fontSize", 0, std::nullopt, {}},
      {"", 0, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    const SuggestionPlan plan = planSuggestions(c.address);
    EXPECT_EQ(plan.addedHeight, c.height) << c.address;
    EXPECT_EQ(plan.source, c.source) << c.address;
    EXPECT_EQ(Words(plan.words.begin(), plan.words.end()), c.words) << c.address;
  }
}

TEST(ValueSuggestions, ModesFollowTheAddress) {
  EXPECT_TRUE(planSuggestions("data").isData);
  EXPECT_FALSE(planSuggestions("frame~x").isData);
  EXPECT_TRUE(planSuggestions("action~bundleID").isBundleID);
  EXPECT_FALSE(planSuggestions("action").isBundleID);

  const SuggestionPlan steps = planSuggestions("animation~Clock");
  EXPECT_EQ(steps.isAdded, true);
  EXPECT_EQ(steps.addedHeight, 150);
  EXPECT_EQ(steps.words.front(), "x:0,");
  EXPECT_EQ(steps.words.size(), 25u);
  EXPECT_EQ(planSuggestions("forecast").isAdded, false);
  EXPECT_EQ(planSuggestions("iconSet").isAdded, false);
  EXPECT_EQ(planSuggestions("frame~x").isAdded, std::nullopt);
}

}  // namespace
}  // namespace vantile
