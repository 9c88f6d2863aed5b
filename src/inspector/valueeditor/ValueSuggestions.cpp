#include "inspector/valueeditor/ValueSuggestions.h"

#include <vector>

namespace vantile {

namespace {

enum class Test { equals, contains };

struct Rule {
  Test test;
  std::vector<std::string_view> keys;
  double height;
  SuggestionSource source;
  std::vector<std::string_view> words;
  std::optional<bool> isAdded;
};

const std::vector<std::string_view> kYesNo{"YES", "NO"};

// In the order the address is tested; the engine's and the controller's vocabularies.
const Rule kRules[] = {
    {Test::equals, {"data", "dataAttr"}, 200, SuggestionSource::dataKeys, {}, std::nullopt},
    {Test::contains, {"frame~x"}, 75, SuggestionSource::words, {"FR~", "center", "math()", "0"}, std::nullopt},
    {Test::contains, {"frame~y"}, 75, SuggestionSource::words, {"FB~", "center", "math()", "0"}, std::nullopt},
    {Test::contains, {"frame~width"}, 75, SuggestionSource::words, {"screen_width", "view_width", "math()"}, std::nullopt},
    {Test::contains, {"frame~height"}, 75, SuggestionSource::words, {"screen_height", "view_height", "math()"},
     std::nullopt},
    {Test::contains, {"contentSize~height"}, 75, SuggestionSource::words, {"screen_height"}, std::nullopt},
    {Test::contains, {"contentSize~width"}, 75, SuggestionSource::words, {"screen_width"}, std::nullopt},
    {Test::contains, {"bundleID"}, 150, SuggestionSource::installedApps, {}, std::nullopt},
    {Test::contains, {"action"}, 150, SuggestionSource::words,
     {"animation", "openDrawer", "openSpotlight", "openAppLibrary", "openTodayView", "unlockDevice", "openPlayingMusic",
      "playMusic", "prevTrack", "nextTrack", "vibrate", "toggleFlashlight", "none"},
     std::nullopt},
    {Test::contains, {"isAlbumArt"}, 75, SuggestionSource::words, {"yes", "0"}, std::nullopt},
    {Test::contains, {"webviewURL"}, 75, SuggestionSource::words, {kWebWidgetFolder}, std::nullopt},
    {Test::contains, {"imageFolder"}, 75, SuggestionSource::words, {"none", "signal", "wifi"}, std::nullopt},
    {Test::contains, {"ringValue"}, 75, SuggestionSource::words,
     {"batteryValue", "signalValue", "wifiValue", "musicElapsedValue", "tempValue", "humidityValue", "windValue",
      "moonBrightness"},
     std::nullopt},
    {Test::contains, {"progressValue"}, 75, SuggestionSource::words,
     {"batteryValue", "signalValue", "wifiValue", "tempValue", "humidityValue", "moonBrightness", "percentleftinyear",
      "percentyearprogress", "percentleftinmonth", "percentmonthprogress"},
     std::nullopt},
    {Test::contains, {"SFWeight"}, 75, SuggestionSource::words,
     {"thin", "light", "regular", "medium", "semibold", "bold", "heavy", "black"}, std::nullopt},
    {Test::contains, {"scrollType"}, 75, SuggestionSource::words, {"LeftRight", "Continuous", "ContinuousRev"},
     std::nullopt},
    {Test::contains, {"ringCap"}, 75, SuggestionSource::words, {"round", "square", "butt"}, std::nullopt},
    {Test::contains, {"ringBackground"}, 75, SuggestionSource::words, kYesNo, std::nullopt},
    {Test::contains, {"imageIsBlack"}, 75, SuggestionSource::words, kYesNo, std::nullopt},
    {Test::contains, {"userInteraction"}, 75, SuggestionSource::words, kYesNo, std::nullopt},
    {Test::contains, {"showWhenPlaying"}, 75, SuggestionSource::words, {"YES", "NO", "triggerOn:*, triggerOff:*"},
     std::nullopt},
    {Test::contains, {"triggerOnUnlock"}, 75, SuggestionSource::words, {"triggerUnlock:*, triggerLock:*"}, std::nullopt},
    {Test::contains, {"triggerOnWake"}, 75, SuggestionSource::words, {"triggerScreenOn:*, triggerScreenOff:*"},
     std::nullopt},
    {Test::contains, {"showWhenCharging"}, 75, SuggestionSource::words, {"YES", "NO", "triggerOn:*, triggerOff:*"},
     std::nullopt},
    {Test::contains, {"animation~"}, 150, SuggestionSource::words,
     {"x:0,",
      "y:0,",
      "width:0,",
      "height:0,",
      "alpha:0,",
      "speed:0.2,",
      "wait:0,",
      "toggle:yes,",
      "toggle:no,",
      "rotate:0,",
      "scale:1,",
      "trigger:*,",
      "spin:YES,spinSpeed:3",
      "spin:NO",
      "transition:linear,",
      "transition:easeinout,",
      "transition:easein,",
      "transition:easeout,",
      "transition:flipfromleft,",
      "transition:flipfromright,",
      "transition:flipfromtop,",
      "transition:flipfrombottom,",
      "transition:curlup,",
      "transition:curldown,",
      "transition:crossdisolve,"},
     true},
    {Test::contains, {"forecast"}, 150, SuggestionSource::words,
     {"day1", "day2", "day3", "day4", "day5", "hour1", "hour2", "hour3", "hour4", "hour5", "hour6"}, false},
    {Test::contains, {"iconSet"}, 150, SuggestionSource::weatherIconSets, {}, false},
};

bool matches(const Rule& rule, std::string_view address) {
  for (const std::string_view key : rule.keys) {
    if (rule.test == Test::equals ? address == key : address.find(key) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

SuggestionPlan planSuggestions(std::string_view address) {
  SuggestionPlan plan;
  for (const Rule& rule : kRules) {
    if (!matches(rule, address)) continue;
    plan.addedHeight += rule.height;
    plan.source = rule.source;
    plan.words.assign(rule.words.begin(), rule.words.end());
    if (rule.source == SuggestionSource::dataKeys) plan.isData = true;
    if (rule.isAdded) plan.isAdded = rule.isAdded;
  }
  plan.isBundleID = address.find("bundleID") != std::string_view::npos;
  return plan;
}

}  // namespace vantile
