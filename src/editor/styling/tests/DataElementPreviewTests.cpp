#include <gtest/gtest.h>

#include "editor/styling/tests/CanvasFixture.h"
#include "controller/VantileController.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"

namespace vantile::testing {
namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
namespace ui = platform::ui;

constexpr const char* kAssets = "/var/mobile/Library/VantileAssets/";

// A picture of one colour, `width` points wide, so tests can tell pictures apart by size.
std::string pictureFile(int width, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  std::vector<std::uint8_t> rgba;
  for (int pixel = 0; pixel < width * 4; ++pixel) rgba.insert(rgba.end(), {red, green, blue, 255});
  return *platform::graphics::encodePNG(*platform::graphics::Image::fromRGBA(width, 4, rgba));
}

std::shared_ptr<ui::View> partNamed(const ui::View& icon, std::string_view layerName) {
  for (const auto& part : icon.subviews()) {
    if (part->layer()->name() == layerName) return part;
  }
  return nullptr;
}

class DataElementPreview : public CanvasFixture {};

TEST_F(DataElementPreview, BarsShowTheirFixedValueAgainstTheCanvasWidth) {
  buildAndStyle({{"battery", {{"type", "BatteryBar"}, {"frame", frame(0, 0, 201.7, 10)}}},
                 {"music", {{"type", "ElapsedBar"}, {"frame", frame(0, 20, 200, 10)}}},
                 {"icon", {{"type", "BatteryIcon"}, {"frame", frame(0, 40, 31, 15)}}},
                 {"box", {{"type", "UIView"},
                          {"frame", frame(50, 50, 100, 100)},
                          {"children",
                           {{"nested",
                             {{"type", "BatteryBar"},
                              {"frame", {{"x", "0"}, {"y", "0"}, {"width", "math(view_width/2)"}, {"height", "10"}}}}}}}}}});
  EXPECT_DOUBLE_EQ(view("battery")->viewWithTag(9968)->frame().width(), 100.5);
  EXPECT_DOUBLE_EQ(view("music")->viewWithTag(9968)->frame().width(), 150);
  EXPECT_DOUBLE_EQ(view("icon")->viewWithTag(9967)->frame().width(), 15.5);
  EXPECT_EQ(view("battery")->viewWithTag(9968)->backgroundColor(), (Color{0, 1, 0, 1}));
  EXPECT_DOUBLE_EQ(view("nested")->viewWithTag(9968)->frame().width(), 187 / 2.0)
      << "a nested bar's width is read against the canvas";
}

TEST_F(DataElementPreview, AProgressBarTakesTheColourOfItsThresholds) {
  struct Case {
    const char* lowValue;
    const char* midValue;
    Color fill;
  };
  const Color low{1, 0, 0, 1};
  const Color mid{0, 0, 1, 1};
  const Color inner{0, 1, 0, 1};
  for (const Case& c : {Case{"60", "0", low}, Case{"20", "60", mid}, Case{"50", "60", inner}, Case{"20", "40", inner}}) {
    SCOPED_TRACE(std::string(c.lowValue) + "/" + c.midValue);
    buildAndStyle({{"progress",
                    {{"type", "ProgressBar"}, {"lowValue", c.lowValue}, {"midValue", c.midValue},
                     {"lowColor", "rgba(255, 0, 0, 1)"}, {"midColor", "rgba(0, 0, 255, 1)"},
                     {"innerColor", "rgba(0, 255, 0, 1)"}}}});
    EXPECT_EQ(view("progress")->viewWithTag(9937)->backgroundColor(), c.fill);
  }
}

TEST_F(DataElementPreview, AGradientPictureReplacesTheFillColourExceptOnBatteryIcons) {
  root.writeFile(std::string(kAssets) + "stripes.png", pictureFile(8, 200, 0, 200));
  buildAndStyle({{"bar", {{"type", "BatteryBar"}, {"gradientImage", "stripes.png"}}},
                 {"icon", {{"type", "BatteryIcon"}, {"gradientImage", "stripes.png"}}},
                 {"unreadable", {{"type", "BatteryBar"}, {"gradientImage", "missing.png"}}}});
  EXPECT_TRUE(view("bar")->viewWithTag(9968)->backgroundPattern());
  EXPECT_FALSE(view("icon")->viewWithTag(9967)->backgroundPattern());
  EXPECT_EQ(view("icon")->viewWithTag(9967)->backgroundColor(), (Color{0, 1, 0, 1}));
  EXPECT_FALSE(view("unreadable")->viewWithTag(9968)->backgroundPattern());
  EXPECT_EQ(view("unreadable")->viewWithTag(9968)->backgroundColor(), (Color{0, 1, 0, 1}));
}

TEST_F(DataElementPreview, AWeatherIconShowsThePreviewCodeOfItsForecastSlot) {
  // Preview codes: now 32, day 2 "7".
  root.writeFile(std::string(kAssets) + "weatherIcons/set/32.png", pictureFile(32, 0, 0, 0));
  root.writeFile(std::string(kAssets) + "weatherIcons/set/7.png", pictureFile(7, 0, 0, 0));
  struct Case {
    const char* forecast;
    int width;
  };
  for (const Case& c : {Case{"none", 32}, Case{"day2", 7}, Case{"day9", 32}}) {
    SCOPED_TRACE(c.forecast);
    buildAndStyle({{"weather", {{"type", "WeatherIcon"}, {"iconSet", "set"}, {"forecast", c.forecast}}}});
    const auto& image = viewAs<ui::ImageView>("weather")->image();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), c.width);
  }
}

TEST_F(DataElementPreview, AWeatherIconIsTintedOnlyWithAReadableColourAndInvertedUnlessBlack) {
  root.writeFile(std::string(kAssets) + "weatherIcons/set/32.png", pictureFile(4, 0, 0, 0));
  const auto original = platform::graphics::decodeImageFile(root.path() / "var/mobile/Library/VantileAssets/weatherIcons/set/32.png");
  ASSERT_TRUE(original);
  const Color red{1, 0, 0, 1};
  auto shown = [&](const char* imageColor, const char* imageIsBlack) {
    buildAndStyle({{"weather",
                    {{"type", "WeatherIcon"}, {"iconSet", "set"}, {"imageColor", imageColor},
                     {"imageIsBlack", imageIsBlack}}}});
    return viewAs<ui::ImageView>("weather")->image();
  };
  for (const char* untinted : {"none", "(null)", ""}) EXPECT_EQ(shown(untinted, "NO"), original) << untinted;
  EXPECT_EQ(shown("rgba(255, 0, 0, 1)", "NO"),
            VantileController::changeImage(VantileController::inverseColor(original), red));
  EXPECT_EQ(shown("rgba(255, 0, 0, 1)", "YES"), VantileController::changeImage(original, red));
}

TEST_F(DataElementPreview, AnAppIconWithoutAnAppShowsThePlaceholderCaptionAndBadge) {
  root.writeFile(std::string(kAssets) + "icon.png", pictureFile(12, 9, 9, 9));
  buildAndStyle({{"app", {{"type", "AppIcon"}, {"bundleID", "none"}, {"labelColor", "rgba(0, 0, 255, 1)"}}}});
  const auto icon = view("app");
  const auto image = std::dynamic_pointer_cast<ui::ImageView>(partNamed(*icon, "AppIconImageView"));
  const auto caption = std::dynamic_pointer_cast<ui::Label>(partNamed(*icon, "AppIconAppLabel"));
  const auto badge = std::dynamic_pointer_cast<ui::Label>(partNamed(*icon, "AppIconAppBadge"));
  ASSERT_TRUE(image && caption && badge);
  ASSERT_TRUE(image->image());
  EXPECT_EQ(image->image()->width(), 12);
  EXPECT_EQ(caption->text(), "App");
  EXPECT_EQ(caption->textColor(), (Color{0, 0, 1, 1}));
  EXPECT_EQ(badge->text(), "100");
  EXPECT_EQ(badge->backgroundColor(), (Color{1, 0, 0, 1}));
}

TEST_F(DataElementPreview, AnAppIconShowsTheAppsOwnPictureWhenThePlatformHasOne) {
  root.writeFile(std::string(kAssets) + "icon.png", pictureFile(12, 9, 9, 9));
  root.writeFile("/icons/mail.png", pictureFile(20, 10, 132, 255));
  // The platform's classes and device, gone again at the end of the test whatever happens.
  struct SpringBoardClasses {
    SpringBoardClasses() { platform::springboard::registerSpringBoardClasses(16); }
    ~SpringBoardClasses() {
      platform::springboard::DeviceModel::shared().reset({});
      platform::springboard::removeSpringBoardClasses();
    }
  } classes;
  platform::springboard::DeviceState device;
  device.apps = {{"com.apple.mobilemail", "Mail", std::nullopt, "/icons/mail.png", false, false, false},
                 {"com.apple.Maps", "Maps", std::nullopt, "", false, false, false}};
  platform::springboard::DeviceModel::shared().reset(device);

  buildAndStyle({{"mail", {{"type", "AppIcon"}, {"bundleID", "com.apple.mobilemail"}}},
                 {"maps", {{"type", "AppIcon"}, {"bundleID", "com.apple.Maps"}}}});
  auto pictureWidth = [&](const std::string& name) {
    const auto image = std::dynamic_pointer_cast<ui::ImageView>(partNamed(*view(name), "AppIconImageView"));
    return image && image->image() ? image->image()->width() : 0;
  };
  EXPECT_EQ(pictureWidth("mail"), 20);
  EXPECT_EQ(pictureWidth("maps"), 12) << "an app without a picture keeps the placeholder";
}

TEST_F(DataElementPreview, ABadgeNarrowerThanItsTextWidensToTheTextAndFivePoints) {
  build({{"narrow", {{"type", "AppIcon"}}}, {"wide", {{"type", "AppIcon"}}}});
  const auto narrow = std::dynamic_pointer_cast<ui::Label>(partNamed(*view("narrow"), "AppIconAppBadge"));
  const auto wide = std::dynamic_pointer_cast<ui::Label>(partNamed(*view("wide"), "AppIconAppBadge"));
  const double textWidth = platform::graphics::measureText("100", platform::graphics::systemFont(12)).width;
  ASSERT_GT(textWidth, 10);
  narrow->setFrame({0, 0, 10, 20});
  wide->setFrame({0, 0, textWidth + 1, 20});
  style();
  EXPECT_DOUBLE_EQ(narrow->frame().width(), textWidth + 5);
  EXPECT_DOUBLE_EQ(wide->frame().width(), textWidth + 1);
}

TEST_F(DataElementPreview, ABadgePictureReplacesTheDrawnBadge) {
  root.writeFile(std::string(kAssets) + "star.png", pictureFile(4, 255, 255, 0));
  buildAndStyle({{"app", {{"type", "AppIcon"}, {"badgeImage", "star.png"}, {"badgeImageScale", "2"},
                          {"badgeImageX", "3"}, {"badgeImageY", "-2"}}}});
  const auto badge = std::dynamic_pointer_cast<ui::Label>(partNamed(*view("app"), "AppIconAppBadge"));
  ASSERT_TRUE(badge);
  ASSERT_EQ(badge->subviews().size(), 1U);
  const auto picture = std::dynamic_pointer_cast<ui::ImageView>(badge->subviews().front());
  ASSERT_TRUE(picture && picture->image());
  EXPECT_EQ(picture->transform(), platform::graphics::AffineTransform::scale(2, 2));
  EXPECT_EQ(picture->center(), (platform::graphics::Point{10 + 3, 10 - 2}));
  EXPECT_EQ(badge->backgroundColor(), (Color{0, 0, 0, 0}));
  EXPECT_EQ(badge->textColor(), (Color{0, 0, 0, 0}));
  EXPECT_FALSE(badge->clipsToBounds());
}

TEST_F(DataElementPreview, AnIconTakesTheSizeAndLookOfItsOverrideKeepingItsPosition) {
  buildAndStyle({{"big", {{"type", "AppIcon"}, {"frame", frame(0, 0, 80, 80)}, {"labelColor", "rgba(255, 0, 0, 1)"}}},
                 {"small", {{"type", "AppIcon"}, {"frame", frame(30, 40, 60, 60)}, {"styleOverride", "big"},
                            {"labelColor", "rgba(0, 0, 255, 1)"}}}});
  const auto icon = view("small");
  EXPECT_EQ(icon->frame(), (Rect{30, 40, 80, 80}));
  EXPECT_EQ(partNamed(*icon, "AppIconImageView")->frame(), (Rect{0, 0, 80, 80}));
  EXPECT_EQ(partNamed(*icon, "AppIconAppLabel")->frame(), (Rect{0, 80, 80, 20}));
  EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(partNamed(*icon, "AppIconAppLabel"))->textColor(), (Color{1, 0, 0, 1}));
}

TEST_F(DataElementPreview, OverridesChainNearestFirstAndStopAtACycle) {
  const Value children = {
      {"p", {{"type", "AppIcon"}, {"styleOverride", "q"}, {"labelColor", "p"}}},
      {"q", {{"type", "AppIcon"}, {"styleOverride", "p"}, {"labelColor", "q"}, {"badgeImage", "q.png"}}},
      {"box", {{"type", "UIView"}, {"children", {{"r", {{"type", "AppIcon"}, {"styleOverride", "p"}, {"scale", "2"}}}}}}},
      {"plain", {{"type", "AppIcon"}, {"styleOverride", "none"}, {"labelColor", "plain"}}},
  };
  struct Case {
    const char* name;
    std::optional<std::string> labelColor;
    std::optional<std::string> badgeImage;
  };
  const Case cases[] = {
      {"p", "p", "q.png"},  // p over q; q's own override (p) is the repeated name
      {"r", "p", "q.png"},  // found inside a container, r over p over q
      {"plain", "plain", std::nullopt},
      {"none", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"missing", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> visited;
    const std::optional<Value> resolved = canvas->resolveStyleOverride(c.name, visited, children);
    ASSERT_EQ(resolved.has_value(), c.labelColor.has_value());
    if (!resolved) continue;
    EXPECT_EQ((*resolved)["labelColor"], *c.labelColor);
    EXPECT_EQ(resolved->value("badgeImage", std::string()), c.badgeImage.value_or(""));
  }
  std::vector<std::string> visited = {"p"};
  EXPECT_FALSE(canvas->resolveStyleOverride("p", visited, children)) << "a visited name resolves to nothing";
}

}  // namespace
}  // namespace vantile::testing
