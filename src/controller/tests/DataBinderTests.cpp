#include <gtest/gtest.h>

#include <vector>

#include "controller/tests/StylingFixture.h"
#include "engine/images/DeviceReadings.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/WebView.h"

namespace vantile {
namespace {

using platform::Value;
using platform::graphics::Color;
namespace ui = platform::ui;

constexpr Color kLow{1, 0, 0, 1};
constexpr Color kMid{0, 0, 1, 1};
constexpr Color kInner{0, 1, 0, 1};
constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";

Value frame(int x, int y, int width, int height) {
  return {{"x", std::to_string(x)}, {"y", std::to_string(y)}, {"width", std::to_string(width)},
          {"height", std::to_string(height)}};
}

Value banded(const char* type, Value more = Value::object()) {
  Value element = {{"type", type},
                   {"frame", frame(10, 10, 200, 10)},
                   {"lowColor", "rgba(255, 0, 0, 1)"},
                   {"midColor", "rgba(0, 0, 255, 1)"},
                   {"innerColor", "rgba(0, 255, 0, 1)"}};
  element.update(more);
  return element;
}

class DataBinders : public StylingFixture {
 protected:
  DataBinders() {
    controller->providers.getWeatherInfo = [this]() -> const Value& { return weather; };
    controller->providers.batteryAsInt = [this] { return battery; };
    controller->providers.isMusicPlaying = [this] { return playing; };
    controller->providers.nowPlayingArtwork = [this] { return artwork; };
  }

  // One data pass over the lock screen, with the rules it queues.
  void pass() {
    controller->updateData(*controller->getLSPresetChildren(), "lockscreen");
    platform::foundation::MainQueue::shared().advance(0);
  }

  // A picture of the assets folder whose width tells it apart.
  void writePicture(const std::string& name, int width) {
    root().writeFile(std::string(kAssets) + name,
                     *platform::graphics::encodePNG(*platform::graphics::Image::blank(width, 1)));
  }

  int imageWidth(const std::string& name) {
    const auto imageView = viewAs<ui::ImageView>(name);
    return imageView && imageView->image() ? imageView->image()->width() : 0;
  }

  Value weather = Value::object();
  std::int32_t battery = 50;
  bool playing = false;
  std::optional<platform::graphics::Image> artwork;
};

TEST_F(DataBinders, ProgressBarsTakeTheirBandFromTheRealValueAndTheirWidthFromTheWholeOne) {
  struct Case {
    const char* temperature;
    Color color;
    double width;
  };
  // lowValue 20, midValue 50 over a 200-point bar.
  for (const Case& c : {Case{"10", kLow, 20}, Case{"20", kInner, 40}, Case{"20.5", kMid, 40}, Case{"49.9", kMid, 98},
                        Case{"50", kInner, 100}, Case{"105", kInner, 210}}) {
    SCOPED_TRACE(c.temperature);
    weather = {{"temperature", c.temperature}};
    load({{"bar", banded("ProgressBar", {{"progressValue", "tempValue"}, {"lowValue", "20"}, {"midValue", "50"}})}});
    pass();
    const auto fill = view("bar")->viewWithTag(9937);
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->backgroundColor(), c.color);
    EXPECT_FLOAT_EQ(fill->frame().width(), c.width);
  }
}

TEST_F(DataBinders, UnknownValueNamesFillBarsAndEmptyRings) {
  load({{"bar", banded("ProgressBar", {{"progressValue", "none"}})},
        {"ring", {{"type", "CircleProgress"}, {"frame", frame(0, 40, 60, 60)}, {"ringValue", "none"}}},
        {"battery", {{"type", "CircleProgress"}, {"frame", frame(0, 110, 60, 60)}, {"ringValue", "batteryValue"}}}});
  battery = 76;
  pass();
  EXPECT_DOUBLE_EQ(view("bar")->viewWithTag(9937)->frame().width(), 200);
  auto strokeEnd = [this](const std::string& name) {
    for (const auto& layer : view(name)->layer()->sublayers()) {
      for (const auto& sublayer : layer->sublayers()) {
        if (const auto ring = std::dynamic_pointer_cast<ui::ShapeLayer>(sublayer); ring && ring->name() == "progressLayer") {
          return ring->strokeEnd();
        }
      }
    }
    return -1.0;
  };
  EXPECT_DOUBLE_EQ(strokeEnd("ring"), 0);
  EXPECT_NEAR(strokeEnd("battery"), 0.76, 1e-6);
}

TEST_F(DataBinders, BadgesWidenAndNeverNarrowAndTheirImagesAreNotStacked) {
  std::string badge = "3";
  controller->hooks.appRecords = [&badge] {
    return std::vector<Value>{{{"bundle", "com.example.mail"}, {"name", "Mail"}, {"badge", badge}}};
  };
  Value icon = {{"type", "AppIcon"},
                {"frame", frame(10, 10, 60, 60)},
                {"bundleID", "com.example.mail"},
                {"badgeBGColor", "rgba(0,0,255,1)"}};
  Value withImage = icon;
  withImage["badgeImage"] = "badge.png";
  Value unknown = icon;
  unknown["bundleID"] = "com.example.gone";
  writePicture("badge.png", 4);
  load({{"mail", icon}, {"pictured", withImage}, {"gone", unknown}});
  auto badgeOf = [this](const std::string& name) {
    for (const auto& subview : view(name)->subviews()) {
      if (subview->layer()->name() == "AppIconAppBadge") return std::dynamic_pointer_cast<ui::Label>(subview);
    }
    return std::shared_ptr<ui::Label>();
  };

  pass();
  EXPECT_EQ(view("mail")->layer()->name(), "com.example.mail");
  EXPECT_EQ(badgeOf("mail")->text(), "3");
  EXPECT_EQ(badgeOf("mail")->backgroundColor(), (Color{0, 0, 1, 1}));
  EXPECT_DOUBLE_EQ(badgeOf("mail")->layer()->cornerRadius(), 10);
  EXPECT_EQ(badgeOf("gone")->text(), "");
  EXPECT_FALSE(badgeOf("gone")->backgroundColor() && badgeOf("gone")->backgroundColor()->alpha > 0);
  const double narrow = badgeOf("mail")->frame().width();

  badge = "12345";
  pass();
  const double wide = badgeOf("mail")->frame().width();
  EXPECT_GT(wide, narrow);
  badge = "1";
  pass();
  EXPECT_DOUBLE_EQ(badgeOf("mail")->frame().width(), wide);

  const auto pictured = badgeOf("pictured");
  int images = 0;
  for (const auto& subview : pictured->subviews()) images += subview->tag() == 9991 ? 1 : 0;
  EXPECT_EQ(images, 1) << "each pass replaces the last pass's picture";
  EXPECT_EQ(pictured->textColor(), (Color{0, 0, 0, 0}));
}

TEST_F(DataBinders, AWeekWidgetOnAThursdayTagsOnlyItsThursday) {
  // Thursday 16 November 2023, noon UTC.
  platform::foundation::MainQueue::shared().useManualClock(1'700'136'000);
  load({{"week", {{"type", "WeekWidget"}, {"frame", frame(0, 0, 300, 44)}, {"selectColor", "rgba(0,0,255,1)"},
                  {"textStyle", "uppercase"}}},
        {"dot", {{"type", "UIView"}, {"frame", frame(0, 100, 4, 4)}, {"followWidthItem", "week"}}}});
  pass();
  std::vector<std::string> today;
  int others = 0;
  std::shared_ptr<ui::View> todayLabel;
  const auto row = view("week")->subviews().front()->subviews().front();
  for (const auto& day : row->subviews()) {
    if (day->tag() == 3354) {
      today.push_back(*day->layer()->name());
      todayLabel = day;
      EXPECT_EQ(day->layer()->borderColor(), (Color{0, 0, 1, 1}));
    } else if (day->tag() == 44) {
      ++others;
    }
  }
  EXPECT_EQ(today, std::vector<std::string>{"4"});
  EXPECT_EQ(others, 6);
  ASSERT_TRUE(todayLabel);
  const auto week = view("week")->frame();
  EXPECT_DOUBLE_EQ(view("dot")->frame().x(), week.x() + row->frame().x() + todayLabel->frame().x());
  EXPECT_DOUBLE_EQ(view("dot")->frame().y(), week.y() + todayLabel->frame().y());
}

TEST_F(DataBinders, WeatherIconsShowTheirForecastSlotOrTheCurrentCondition) {
  writePicture("weatherIcons/glyph/32.png", 3);
  writePicture("weatherIcons/glyph/7.png", 5);
  weather = {{"conditionCode", "32"}, {"day2icon", "7"}};
  load({{"now", {{"type", "WeatherIcon"}, {"frame", frame(0, 0, 40, 40)}, {"iconSet", "glyph"}, {"forecast", "today"}}},
        {"later", {{"type", "WeatherIcon"}, {"frame", frame(0, 50, 40, 40)}, {"iconSet", "glyph"}, {"forecast", "day2"}}}});
  pass();
  EXPECT_EQ(imageWidth("now"), 3);
  EXPECT_EQ(imageWidth("later"), 5);
}

TEST_F(DataBinders, WifiPicturesShowNoBarsWithoutANetwork) {
  writePicture("wifiImages/set/0.png", 2);
  writePicture("wifiImages/set/3.png", 6);
  std::optional<int> bars = 0;
  DeviceReadings::shared().setWiFiStrengthBarsSource([&bars] { return bars; });
  load({{"wifi", {{"type", "UIImageView"}, {"frame", frame(0, 0, 20, 20)},
                  {"imageFolder", std::string(kAssets) + "wifiImages/set"}}}});
  pass();
  EXPECT_EQ(imageWidth("wifi"), 2);
  bars = 3;
  pass();
  EXPECT_EQ(imageWidth("wifi"), 6);
  DeviceReadings::shared().setWiFiStrengthBarsSource({});
}

TEST_F(DataBinders, MusicPicturesFollowPlayback) {
  writePicture("pause.png", 2);
  writePicture("play.png", 3);
  artwork = platform::graphics::Image::blank(7, 1);
  const Value button = {{"type", "UIImageView"}, {"frame", frame(0, 0, 20, 20)}, {"pauseImage", "pause.png"},
                        {"imageURL", "play.png"}, {"isAlbumArt", "yes"}};
  const Value cover = {{"type", "UIImageView"}, {"frame", frame(0, 30, 20, 20)}, {"pauseImage", "none"},
                       {"imageURL", "play.png"}, {"isAlbumArt", "yes"}};
  Value capitals = cover;
  capitals["isAlbumArt"] = "YES";
  load({{"button", button}, {"cover", cover}, {"capitals", capitals}});

  playing = true;
  pass();
  EXPECT_EQ(imageWidth("button"), 2) << "the pause picture wins over the artwork";
  EXPECT_EQ(imageWidth("cover"), 7);
  EXPECT_EQ(imageWidth("capitals"), 3) << "only \"yes\" shows the artwork";
  playing = false;
  pass();
  EXPECT_EQ(imageWidth("button"), 3);
  EXPECT_EQ(imageWidth("cover"), 7) << "a stopped player leaves the last artwork";
}

TEST_F(DataBinders, LabelsShowTheirStyledTextAndSecondText) {
  load({{"day", {{"type", "UILabel"}, {"frame", frame(0, 0, 200, 30)}, {"data", "[seconds]"}}},
        {"shout", {{"type", "UILabel"}, {"frame", frame(0, 40, 200, 30)}, {"data", "monday"},
                   {"textStyle", "uppercase"}, {"dataAttr", "pm"}, {"fontColorAttr", "rgba(255,0,0,1)"}}}});
  platform::foundation::MainQueue::shared().advance(7);
  pass();
  const auto shout = viewAs<ui::Label>("shout");
  ASSERT_TRUE(shout->attributedText());
  EXPECT_EQ(shout->attributedText()->text(), "MONDAYPM");
  EXPECT_EQ(viewAs<ui::Label>("day")->text(), "27");
}

TEST_F(DataBinders, AFontNameThatNamesNoFontGivesTheSystemFontAtTheAskedSize) {
  load({{"late", {{"type", "UILabel"}, {"frame", frame(0, 0, 200, 30)}, {"data", "10"}, {"dataAttr", "pm"},
                  {"fontName", "NoSuchFont-Bold"}, {"fontSize", "18"}, {"fontNameAttr", "Missing"},
                  {"fontSizeAttr", "9"}}}});
  pass();
  const auto& attributed = viewAs<ui::Label>("late")->attributedText();
  ASSERT_TRUE(attributed);
  std::vector<double> sizes;
  for (const auto& run : attributed->runs()) {
    if (!run.attributes.font) continue;
    EXPECT_EQ(run.attributes.font->name, platform::graphics::systemFont(12).name);
    sizes.push_back(run.attributes.font->pointSize);
  }
  EXPECT_EQ(sizes, (std::vector<double>{18, 9}));
}

TEST_F(DataBinders, ALockScreenIconsStyleOverrideIsFoundInTheLockScreensTheme) {
  controller->hooks.appRecords = [] {
    return std::vector<Value>{{{"bundle", "com.example.mail"}, {"name", "Mail"}, {"badge", "2"}}};
  };
  load({{"look", {{"type", "UIView"}, {"frame", frame(0, 0, 1, 1)}, {"badgeBGColor", "rgba(255,0,0,1)"}}},
        {"mail", {{"type", "AppIcon"}, {"frame", frame(10, 10, 60, 60)}, {"bundleID", "com.example.mail"},
                  {"badgeBGColor", "rgba(0,0,255,1)"}, {"styleOverride", "look"}}}});
  pass();
  for (const auto& subview : view("mail")->subviews()) {
    if (subview->layer()->name() == "AppIconAppBadge") {
      EXPECT_EQ(subview->backgroundColor(), kLow);
    }
  }
}

TEST_F(DataBinders, AContainersChildrenAreBoundBeforeItsFollowRuleRuns) {
  // The follower comes first, and the bar it follows lies in a later container.
  load({{"marker", {{"type", "UIView"}, {"frame", frame(0, 0, 4, 4)}, {"followWidthItem", "bar"},
                    {"followWidthOffset", "x,y"}}},
        {"holder", {{"type", "UIView"}, {"frame", frame(0, 50, 300, 40)},
                    {"children", {{"bar", banded("BatteryBar")}}}}}});
  battery = 80;
  pass();
  const auto bar = view("bar")->frame();
  EXPECT_DOUBLE_EQ(view("marker")->frame().x(), bar.x() + 160);
}

TEST_F(DataBinders, WebViewsGetTheWeatherAsAStringLiteral) {
  weather = {{"city", "O'Neil\xE2\x80\xA8\"Town\""}};
  auto page = ui::WebView::make();
  std::vector<std::string> scripts;
  page->setScriptHost([&scripts](const std::string& script, const ui::WebView::Completion&) { scripts.push_back(script); });
  controller->updateWebView(Value::object(), *page);
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0], R"(var weather = JSON.parse("{\"city\":\"O'Neil\u2028\\\"Town\\\"\"}");)");
  EXPECT_EQ(scripts[1], R"(mainUpdate("weather"))");
}

}  // namespace
}  // namespace vantile
