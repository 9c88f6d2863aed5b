#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "controller/tests/StylingFixture.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::ui::Label;

const Value kFrame = {{"x", "0"}, {"y", "0"}, {"width", "200"}, {"height", "40"}};

Value labelElement(Value keys) {
  Value element = {{"type", "UILabel"}, {"frame", kFrame}};
  element.update(keys);
  return element;
}

std::string fileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

using LabelTextStyle = StylingFixture;

TEST_F(LabelTextStyle, AppliesOnlyTheExactStyleWords) {
  struct Case {
    const char* style;
    const char* shown;
  };
  for (const Case& c : {Case{"uppercase", "MONDAY MORNING"}, Case{"lowercase", "monday morning"},
                        Case{"capitalize", "Monday Morning"}, Case{"Uppercase", "monDay morNing"}}) {
    SCOPED_TRACE(c.style);
    load({{"day", labelElement({{"data", "monDay morNing"}, {"textStyle", c.style}})}});
    EXPECT_EQ(viewAs<Label>("day")->text(), c.shown);
  }
}

TEST_F(LabelTextStyle, ColoursTheFirstOccurrenceOfTheSecondWord) {
  struct Case {
    const char* text;
    std::size_t location;
    std::size_t length;
  };
  // "bc" is found inside "abc" first; "é" counts one UTF-16 unit.
  for (const Case& c : {Case{"10 45", 3, 2}, Case{"abc bc", 1, 2}, Case{"é x", 2, 1}}) {
    SCOPED_TRACE(c.text);
    load({{"time", labelElement({{"data", c.text}, {"colorAfterSpace", "rgba(255, 0, 0, 1)"}})}});
    const auto& attributed = viewAs<Label>("time")->attributedText();
    ASSERT_TRUE(attributed);
    ASSERT_EQ(attributed->runs().size(), 1U);
    EXPECT_EQ(attributed->runs()[0].range.location, c.location);
    EXPECT_EQ(attributed->runs()[0].range.length, c.length);
    EXPECT_EQ(attributed->runs()[0].attributes.color, (Color{1, 0, 0, 1}));
  }
}

TEST_F(LabelTextStyle, LeavesTextWithoutASecondWordPlain) {
  for (const char* text : {"10", "10 ", "10  45"}) {
    SCOPED_TRACE(text);
    load({{"time", labelElement({{"data", text}, {"colorAfterSpace", "rgba(255, 0, 0, 1)"}})}});
    const auto label = viewAs<Label>("time");
    EXPECT_FALSE(label->attributedText());
    EXPECT_EQ(label->text(), text);
  }
}

TEST_F(LabelTextStyle, KernsTheWholeTextUnderTheSecondWordColour) {
  load({{"time", labelElement({{"data", "10 45"}, {"kerning", "2"}, {"colorAfterSpace", "rgba(0, 0, 255, 1)"}})}});
  const auto& attributed = viewAs<Label>("time")->attributedText();
  ASSERT_TRUE(attributed);
  ASSERT_EQ(attributed->runs().size(), 2U);
  EXPECT_EQ(attributed->runs()[0].attributes.color, (Color{0, 0, 1, 1}));
  EXPECT_EQ(attributed->runs()[1].range.length, 5U);
  EXPECT_EQ(attributed->runs()[1].attributes.kerning, 2);
}

TEST_F(LabelTextStyle, AppendsTheSecondTextInItsOwnFontAndColourWithoutASpace) {
  root().writeFile("/var/mobile/Library/VantileAssets/Bold.otf",
                   fileContents("/usr/share/fonts/opentype/inter/Inter-Bold.otf"));
  load({{"clock", labelElement({{"data", "10:45"},
                                {"dataAttr", "PM"},
                                {"fontName", "CF"},
                                {"customFontName", "Bold.otf"},
                                {"fontSize", "18"},
                                {"fontNameAttr", "NoSuchFont"},
                                {"fontSizeAttr", "big"},
                                {"textColor", "rgba(255, 255, 0, 1)"}})}});
  const auto label = viewAs<Label>("clock");
  const auto& attributed = label->attributedText();
  ASSERT_TRUE(attributed);
  EXPECT_EQ(attributed->text(), "10:45PM");
  ASSERT_EQ(attributed->runs().size(), 2U);
  ASSERT_TRUE(attributed->runs()[0].attributes.font);
  EXPECT_EQ(attributed->runs()[0].attributes.font->name, "Inter-Bold");
  EXPECT_EQ(attributed->runs()[0].attributes.font->pointSize, 18);
  EXPECT_FALSE(attributed->runs()[0].attributes.color) << "the first text keeps the label's colour";

  const auto& second = attributed->runs()[1];
  EXPECT_EQ(second.range.location, 5U);
  EXPECT_EQ(second.attributes.color, (Color{1, 1, 0, 1}));
  // A font that exists nowhere falls back to the system font, sized from the label's height.
  const auto systemFont = platform::graphics::systemFont(std::trunc(VantileHelpers::fontSizeFromHeight(40)));
  ASSERT_TRUE(second.attributes.font);
  EXPECT_EQ(second.attributes.font->name, systemFont.name);
  EXPECT_EQ(second.attributes.font->pointSize, systemFont.pointSize);
}

TEST_F(LabelTextStyle, ColoursTheSecondTextWhiteUnlessFontColorAttrNamesOne) {
  struct Case {
    Value keys;
    std::optional<Color> color;
  };
  for (const Case& c : {Case{Value::object(), Color{1, 1, 1, 1}},
                        Case{{{"textColor", "rgba(255, 0, 0, 1)"}, {"fontColorAttr", "none"}}, Color{1, 0, 0, 1}},
                        Case{{{"textColor", "rgba(255, 0, 0, 1)"}, {"fontColorAttr", "rgba(0, 255, 0, 1)"}},
                             Color{0, 1, 0, 1}},
                        Case{{{"textColor", "red"}}, std::nullopt}}) {
    SCOPED_TRACE(c.keys.dump());
    Value keys = {{"data", "10"}, {"dataAttr", "PM"}};
    keys.update(c.keys);
    load({{"clock", labelElement(keys)}});
    const auto& attributed = viewAs<Label>("clock")->attributedText();
    ASSERT_TRUE(attributed);
    EXPECT_EQ(attributed->runs().back().attributes.color, c.color);
  }
}

TEST_F(LabelTextStyle, ShowsThePauseImageOnlyWhileMusicPlays) {
  const auto writePicture = [this](const char* name, std::vector<std::uint8_t> rgba) {
    const auto picture = platform::graphics::Image::fromRGBA(1, 1, rgba);
    root().writeFile(std::string("/var/mobile/Library/VantileAssets/") + name, *platform::graphics::encodePNG(*picture));
  };
  writePicture("pause.png", {255, 0, 0, 255});
  writePicture("play.png", {0, 0, 255, 255});
  const auto shownColour = [](const platform::ui::ImageView& view) {
    return view.image() ? view.image()->pixelAt(0, 0) : std::nullopt;
  };
  bool playing = true;
  controller->providers.isMusicPlaying = [&playing] { return playing; };
  load({{"button", {{"type", "UIImageView"}, {"frame", kFrame}, {"pauseImage", "pause.png"}, {"imageURL", "play.png"}}}});
  const auto button = viewAs<platform::ui::ImageView>("button");
  ASSERT_TRUE(button);
  EXPECT_EQ(shownColour(*button), (platform::graphics::PixelRGBA{255, 0, 0, 255})) << "the pause picture";

  playing = false;
  styleAgain();
  EXPECT_EQ(shownColour(*button), (platform::graphics::PixelRGBA{0, 0, 255, 255})) << "the element's own picture";
  playing = true;
  styleAgain();
  EXPECT_EQ(shownColour(*button), (platform::graphics::PixelRGBA{255, 0, 0, 255}));
}

TEST_F(LabelTextStyle, StylesAContainersChildrenBeforeTheNextElementOfItsLevel) {
  // Each label's text asks for a token of its own name, so the provider hears the styling order.
  std::vector<std::string> styled;
  controller->providers.isSystemToken = [](std::string_view) { return true; };
  controller->providers.systemToken = [&styled](std::string_view name) -> std::optional<std::string> {
    if (std::find(styled.begin(), styled.end(), name) == styled.end()) styled.emplace_back(name);
    return std::string(name);
  };
  const auto labelAsking = [](const char* name) { return labelElement({{"data", std::string("[") + name + "]"}}); };
  load({{"before", labelAsking("before")},
        {"box",
         {{"type", "UIView"},
          {"frame", kFrame},
          {"children",
           {{"inner", labelAsking("inner")},
            {"nested", {{"type", "UIView"}, {"frame", kFrame}, {"children", {{"deepest", labelAsking("deepest")}}}}},
            {"innerLast", labelAsking("innerLast")}}}}},
        {"after", labelAsking("after")}});
  EXPECT_EQ(styled, (std::vector<std::string>{"before", "inner", "deepest", "innerLast", "after"}));
  EXPECT_EQ(viewAs<Label>("deepest")->text(), "deepest");
}

}  // namespace
}  // namespace vantile
