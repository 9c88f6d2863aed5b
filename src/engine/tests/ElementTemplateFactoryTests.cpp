#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/ElementTemplateFactory.h"

namespace vantile {
namespace {

using platform::Value;

ElementTemplateFactory& factory() { return ElementTemplateFactory::sharedInstance(); }

std::set<std::string> keysOf(const Value& dictionary) {
  std::set<std::string> keys;
  for (const auto& [key, value] : dictionary.items()) {
    keys.insert(key);
  }
  return keys;
}

const std::set<std::string> kLabelKeys = {
    "type",       "frame",         "data",         "numberOfLines",   "fontName",
    "fontSize",   "textAlignment", "textColor",    "backgroundColor", "kerning",
    "textShadow", "textStyle",     "borderWidth",  "borderColor",     "gradientImage",
    "dataAttr",   "fontNameAttr",  "fontSizeAttr", "fontColorAttr",   "alpha"};

const std::set<std::string> kViewKeys = {"type",
                                         "frame",
                                         "cornerRadius",
                                         "backgroundColor",
                                         "blurAlpha",
                                         "blurColor",
                                         "blurIntensity",
                                         "boxShadow",
                                         "borderWidth",
                                         "borderColor",
                                         "rotate",
                                         "scale",
                                         "alpha",
                                         "gradientImage",
                                         "actions",
                                         "animation",
                                         "childorder",
                                         "autoLayout",
                                         "userInteraction",
                                         "showWhenPlaying",
                                         "showWhenCharging",
                                         "triggerOnUnlock",
                                         "triggerOnWake",
                                         "cutWithView",
                                         "maskURL",
                                         "followWidthItem",
                                         "followWidthOffset"};

std::set<std::string> with(std::set<std::string> keys, std::initializer_list<const char*> more) {
  keys.insert(more.begin(), more.end());
  return keys;
}

struct TemplateCase {
  const char* type;
  std::set<std::string> keys;
  Value frame;
};

void PrintTo(const TemplateCase& templateCase, std::ostream* out) { *out << templateCase.type; }

Value frame(const char* x, const char* y, const char* width, const char* height) {
  return Value{{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

class ElementTemplates : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(ElementTemplates, HoldExactlyTheirKeysTypeAndDefaultFrame) {
  const auto& templateCase = GetParam();
  const auto element = factory().templateForType(templateCase.type);
  ASSERT_TRUE(element);
  EXPECT_EQ(keysOf(*element), templateCase.keys);
  EXPECT_EQ((*element)["type"], templateCase.type);
  EXPECT_EQ((*element)["frame"], templateCase.frame);
}

INSTANTIATE_TEST_SUITE_P(
    AllSeventeen, ElementTemplates,
    ::testing::Values(
        TemplateCase{"UILabel", kLabelKeys, frame("center", "100", "150", "40")},
        TemplateCase{"MarqueeLabel",
                     {"type", "frame", "data", "numberOfLines", "fontName", "fontSize", "textAlignment", "textColor",
                      "backgroundColor", "kerning", "textShadow", "textStyle", "borderWidth", "borderColor",
                      "gradientImage", "animationSpeed", "fadeEdgesAmount", "scrollType", "animationDelay"},
                     frame("center", "100", "60", "30")},
        TemplateCase{"UITextView",
                     {"type", "frame", "data", "fontName", "fontSize", "textAlignment", "textColor", "backgroundColor",
                      "kerning", "textShadow", "textStyle", "borderWidth", "borderColor"},
                     frame("center", "100", "150", "40")},
        TemplateCase{"UIView", kViewKeys, frame("center", "100", "300", "100")},
        TemplateCase{"GlassView", with(kViewKeys, {"innerShadow", "children"}), frame("center", "100", "300", "100")},
        TemplateCase{"ScrollView",
                     {"type", "frame", "backgroundColor", "childorder", "pagination", "infiniteScroll", "scale",
                      "alpha", "cornerRadius", "contentSize", "initialOffset"},
                     frame("center", "100", "250", "100")},
        TemplateCase{"UIImageView",
                     {"type", "frame", "contentMode", "imageURL", "maskURL", "pauseImage", "isAlbumArt", "cornerRadius",
                      "actions", "animation", "imageFolder", "imageIsBlack", "imageColor", "SFSymbolName", "SFWeight",
                      "SFColor"},
                     frame("100", "100", "100", "100")},
        TemplateCase{
            "WKWebView", {"type", "frame", "webviewURL", "backgroundColor"}, frame("100", "100", "200", "200")},
        TemplateCase{"CircleProgress",
                     {"type", "frame", "ringColor", "ringWidth", "ringValue", "ringCap", "ringBackground",
                      "ringBackgroundColor", "alpha"},
                     frame("center", "200", "50", "50")},
        TemplateCase{"AppIcon",
                     {"type", "frame", "backgroundColor", "bundleID", "scale", "alpha", "labelColor", "badgeTextColor",
                      "badgeBGColor", "badgeImage", "badgeImageScale", "badgeImageX", "badgeImageY", "styleOverride"},
                     frame("100", "100", "60", "60")},
        TemplateCase{"WeatherIcon",
                     {"type", "frame", "iconSet", "forecast", "imageIsBlack", "imageColor"},
                     frame("center", "100", "100", "100")},
        TemplateCase{"BatteryIcon",
                     {"type", "frame", "radius", "backColor", "innerColor", "midColor", "lowColor"},
                     frame("center", "100", "30", "15")},
        TemplateCase{"BatteryBar",
                     {"type", "frame", "radius", "backColor", "innerColor", "midColor", "lowColor", "gradientImage",
                      "borderWidth", "borderColor"},
                     frame("center", "100", "30", "15")},
        TemplateCase{"ProgressBar",
                     {"type", "frame", "radius", "backColor", "innerColor", "midColor", "lowColor", "lowValue",
                      "midValue", "progressValue", "gradientImage", "borderWidth", "borderColor"},
                     frame("center", "100", "200", "20")},
        TemplateCase{
            "ElapsedBar",
            {"type", "frame", "radius", "backColor", "innerColor", "gradientImage", "borderWidth", "borderColor"},
            frame("center", "100", "250", "5")},
        TemplateCase{"WeekWidget",
                     {"type", "frame", "fontName", "fontSize", "cornerRadius", "selectCornerRadius", "backgroundColor",
                      "selectColor", "textColor", "scale", "textStyle", "textShadow"},
                     frame("center", "200", "300", "50")},
        TemplateCase{"AnalogClock",
                     {"type", "frame", "backgroundImage", "hourImage", "minuteImage", "secondImage", "scale", "alpha"},
                     frame("center", "200", "200", "200")}));

TEST(ElementTemplateValues, CarryTheDefaultsThatDifferBetweenTypes) {
  const auto glass = factory().GlassView();
  EXPECT_EQ(glass["cornerRadius"], "10");
  EXPECT_EQ(glass["blurColor"], "light");
  EXPECT_EQ(glass["borderWidth"], "1.5");
  EXPECT_EQ(glass["boxShadow"], (Value{{"x", "0"}, {"y", "5"}, {"color", "rgba(0,0,0,0.3)"}, {"radius", "10"}}));
  EXPECT_EQ(glass["innerShadow"], (Value{{"x", "0"}, {"y", "0"}, {"color", "rgba(0,0,0,1)"}, {"radius", "5"}}));
  EXPECT_EQ(glass["children"], Value::object());

  const auto view = factory().UIView();
  EXPECT_EQ(view["cornerRadius"], "5");
  EXPECT_EQ(view["blurColor"], "dark");
  EXPECT_EQ(view["boxShadow"], factory().defaultShadow());
  EXPECT_EQ(factory().defaultShadow(), (Value{{"x", "0"}, {"y", "3"}, {"color", "rgba(0,0,0,0)"}, {"radius", "3"}}));

  EXPECT_EQ(factory().MarqueeLabel()["data"], "[musicArtist]");
  EXPECT_EQ(factory().UITextView()["textColor"], "rgba(0,0,0,1.0)");
  EXPECT_EQ(factory().ScrollView()["contentSize"], (Value{{"width", 300}, {"height", 400}}));
  EXPECT_TRUE(factory().ScrollView()["initialOffset"]["x"].is_number());
}

TEST(ElementTemplateValues, AreFreshValuesEveryCall) {
  auto first = factory().UILabel();
  const auto second = factory().UILabel();
  first["textShadow"]["x"] = "9";
  first["frame"]["x"] = "9";
  EXPECT_EQ(second["textShadow"]["x"], "0");
  EXPECT_EQ(factory().UILabel(), second);
}

TEST(ElementTypes, ListTheFifteenCreatableTypesInEditorOrder) {
  const auto types = factory().basicElementTypes();
  ASSERT_EQ(types.size(), 15u);
  EXPECT_EQ(types.front(), "UILabel");
  EXPECT_EQ(types.back(), "AnalogClock");
  for (const char* notCreatable : {"UITextView", "WKWebView"}) {
    EXPECT_EQ(std::count(types.begin(), types.end(), notCreatable), 0);
    EXPECT_TRUE(factory().templateForType(notCreatable)) << "still has a template";
  }
  for (const auto& type : types) {
    EXPECT_TRUE(factory().templateForType(type)) << type;
  }
  EXPECT_FALSE(factory().templateForType("UIButton"));
  EXPECT_FALSE(factory().templateForType(""));
}

TEST(ElementCompletion, FillsMissingKeysAndKeepsGivenOnes) {
  const auto completed = factory().validateAndCompleteElement(Value{{"type", "UILabel"}, {"fontSize", "30"}});
  auto expected = factory().UILabel();
  expected["fontSize"] = "30";
  EXPECT_EQ(completed, expected);
}

TEST(ElementCompletion, ReplacesNestedDictionariesWholeAndKeepsUnknownKeys) {
  const auto completed = factory().validateAndCompleteElement(
      Value{{"type", "UILabel"}, {"frame", {{"x", "10"}}}, {"customFontName", "Inter-Bold"}});
  EXPECT_EQ(completed["frame"], (Value{{"x", "10"}}));
  EXPECT_EQ(completed["customFontName"], "Inter-Bold");
  EXPECT_EQ(completed.size(), kLabelKeys.size() + 1);
}

TEST(ElementCompletion, LeavesDescriptionsWithoutAKnownTypeUnchanged) {
  for (const Value& description :
       {Value{{"fontSize", "30"}}, Value{{"type", "UIButton"}, {"children", {{"a", {{"type", "UILabel"}}}}}},
        Value{{"type", 42}}, Value::array({1}), Value("UILabel")}) {
    EXPECT_EQ(factory().validateAndCompleteElement(description), description) << description.dump();
  }
  EXPECT_EQ(factory().validateAndCompleteElement(Value()), Value::object());
}

TEST(ElementCompletion, CompletesChildrenAtEveryDepth) {
  const Value description = {{"type", "UIView"},
                             {"children",
                              {{"panel", {{"type", "GlassView"}, {"children", {{"deep", {{"type", "UILabel"}}}}}}},
                               {"loose", {{"type", "GlassView"}}},
                               {"odd", "not a description"}}}};
  const auto completed = factory().validateAndCompleteElement(description);
  const auto& children = completed["children"];

  EXPECT_EQ(keysOf(completed), with(kViewKeys, {"children"}));
  EXPECT_EQ(keysOf(children["panel"]["children"]["deep"]), kLabelKeys);
  EXPECT_EQ(children["loose"]["children"], Value::object()) << "a GlassView without children gains the empty ones";
  EXPECT_EQ(children["odd"], "not a description");
}

TEST(ElementCompletion, CompletesADictionaryOfElementsOrGivesNothing) {
  EXPECT_FALSE(factory().validateAndCompleteElementsRecursively(Value()));
  const auto completed = factory().validateAndCompleteElementsRecursively(Value{{"a", {{"type", "BatteryIcon"}}}});
  ASSERT_TRUE(completed);
  EXPECT_EQ((*completed)["a"], factory().BatteryIcon());
}

}  // namespace
}  // namespace vantile
