#include "StylingFixture.h"

#include "platform/graphics/ImageCodec.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"

namespace vantile {
namespace {

using platform::Value;
namespace ui = platform::ui;

std::shared_ptr<ui::Label> part(const std::shared_ptr<ui::View>& icon, std::string_view layerName) {
  for (const auto& subview : icon->subviews()) {
    if (subview->layer()->name() == layerName) return std::dynamic_pointer_cast<ui::Label>(subview);
  }
  return nullptr;
}

Value icon(const char* bundleID, Value more = Value::object()) {
  Value element = {{"type", "AppIcon"},
                   {"frame", {{"x", "10"}, {"y", "10"}, {"width", "60"}, {"height", "60"}}},
                   {"bundleID", bundleID},
                   {"labelColor", "rgba(255,0,0,1)"},
                   {"badgeTextColor", "rgba(255,255,255,1)"},
                   {"badgeBGColor", "rgba(0,0,255,1)"}};
  for (const auto& [key, value] : more.items()) element[key] = value;
  return element;
}

class AppIconStyling : public StylingFixture {
 protected:
  AppIconStyling() {
    controller->hooks.appRecords = [] {
      return std::vector<Value>{{{"bundle", "com.example.mail"}, {"name", "Mail"}, {"badge", "3"}},
                                {{"bundle", "com.example.notes"}, {"name", "Notes"}, {"badge", ""}}};
    };
  }
};

TEST_F(AppIconStyling, ShowsTheAppsNameAndBadge) {
  load({{"mail", icon("com.example.mail")}});
  const auto mail = view("mail");
  ASSERT_TRUE(mail);
  EXPECT_EQ(mail->layer()->name(), "com.example.mail");
  EXPECT_EQ(part(mail, "AppIconAppLabel")->text(), "Mail");
  EXPECT_EQ(part(mail, "AppIconAppLabel")->textColor(), (platform::graphics::Color{1, 0, 0, 1}));
  const auto badge = part(mail, "AppIconAppBadge");
  EXPECT_EQ(badge->text(), "3");
  EXPECT_EQ(badge->backgroundColor(), (platform::graphics::Color{0, 0, 1, 1}));
  EXPECT_EQ(badge->layer()->cornerRadius(), 10);
}

TEST_F(AppIconStyling, ShowsAPlaceholderNameAndAClearBadgeForAnUnknownApp) {
  load({{"ghost", icon("com.example.ghost")}, {"notes", icon("com.example.notes")}});
  EXPECT_EQ(part(view("ghost"), "AppIconAppLabel")->text(), "App");
  EXPECT_EQ(part(view("ghost"), "AppIconAppBadge")->text(), "");
  EXPECT_EQ(part(view("ghost"), "AppIconAppBadge")->backgroundColor(), (platform::graphics::Color{0, 0, 0, 0}));
  EXPECT_EQ(part(view("notes"), "AppIconAppBadge")->backgroundColor(), (platform::graphics::Color{0, 0, 0, 0}))
      << "an empty badge stays clear";
}

TEST_F(AppIconStyling, TakesTheLookOfItsStyleOverrideFromItsOwnTheme) {
  const Value look = icon("com.example.notes", {{"labelColor", "rgba(0,255,0,1)"},
                                                {"scale", "2"},
                                                {"frame", {{"width", "80"}, {"height", "90"}}}});
  load({{"look", look},
        {"mail", icon("com.example.mail", {{"styleOverride", "look"}, {"badgeTextColor", "rgba(1,1,1,1)"}})}});
  const auto mail = view("mail");
  EXPECT_EQ(part(mail, "AppIconAppLabel")->textColor(), (platform::graphics::Color{0, 1, 0, 1}));
  EXPECT_EQ(mail->transform(), platform::graphics::AffineTransform::scale(2, 2));
  EXPECT_EQ(mail->bounds().size, (platform::graphics::Size{80, 90}));
  EXPECT_EQ(part(mail, "AppIconAppLabel")->frame(), (platform::graphics::Rect{0, 90, 80, 20}));
  EXPECT_EQ(part(mail, "AppIconAppBadge")->textColor(), (platform::graphics::Color{1, 1, 1, 1}))
      << "the override's own badge text colour wins over the element's";
}

TEST_F(AppIconStyling, IgnoresAMissingOrSelfReferringStyleOverride) {
  load({{"mail", icon("com.example.mail", {{"styleOverride", "mail"}})},
        {"notes", icon("com.example.notes", {{"styleOverride", "nowhere"}})}});
  EXPECT_EQ(part(view("notes"), "AppIconAppLabel")->textColor(), (platform::graphics::Color{1, 0, 0, 1}));
  EXPECT_EQ(part(view("mail"), "AppIconAppLabel")->text(), "Mail");
  styleAgain();
  EXPECT_EQ(part(view("mail"), "AppIconAppBadge")->text(), "3") << "a second pass changes nothing";
}

TEST_F(AppIconStyling, PutsTheBadgeImageOverTheBadgeOnce) {
  root().writeFile("/var/mobile/Library/VantileAssets/badge.png",
                   *platform::graphics::encodePNG(*platform::graphics::Image::blank(8, 8)));
  load({{"mail", icon("com.example.mail", {{"badgeImage", "badge.png"}, {"badgeImageX", "4"}})}});
  styleAgain();
  const auto badge = part(view("mail"), "AppIconAppBadge");
  ASSERT_EQ(badge->subviews().size(), 1u);
  EXPECT_EQ(badge->subviews().front()->tag(), 9991);
  EXPECT_EQ(badge->subviews().front()->frame().x(), 4);
  EXPECT_EQ(badge->textColor(), (platform::graphics::Color{0, 0, 0, 0}));
}

// An element left out of "order" is never built, so it has no index entry (tag 0) while the
// styling pass still walks it; tag 0 is also the root's own tag.
TEST_F(AppIconStyling, AnIconThatWasNeverBuiltLeavesTheRootUntouched) {
  const Value theme = {
      {"PresetView",
       {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "667"}}},
        {"order", {"shown"}},
        {"children",
         {{"shown", icon("com.example.notes")},
          {"look", icon("com.example.notes", {{"scale", "2"}, {"frame", {{"width", "80"}, {"height", "90"}}}})},
          {"ghost", icon("com.example.mail", {{"styleOverride", "look"}})}}}}}};
  root().writeFile(kThemePath, theme.dump());
  const auto rootView = controller->createViewFromTheme(kThemePath, "lockscreen");
  ASSERT_TRUE(rootView);
  ASSERT_EQ(controller->getElDict("ghost", "lockscreen").tag, 0);

  EXPECT_FALSE(rootView->layer()->name()) << "the root was named after the icon's app";
  EXPECT_TRUE(rootView->transform().isIdentity());
  EXPECT_EQ(rootView->frame(), (platform::graphics::Rect{0, 0, 375, 667}));
  EXPECT_EQ(part(view("shown"), "AppIconAppLabel")->text(), "Notes");
}

}  // namespace
}  // namespace vantile

namespace vantile {
namespace {

class WeatherIconStyling : public StylingFixture {};

TEST_F(WeatherIconStyling, ShowsThePictureOfTheCurrentCondition) {
  root().writeFile("/var/mobile/Library/VantileAssets/weatherIcons/glyph/32.png",
                   *platform::graphics::encodePNG(*platform::graphics::Image::blank(4, 4)));
  controller->providers.getWeatherInfo = []() -> const platform::Value& {
    static const platform::Value weather{{"conditionCode", "32"}};
    return weather;
  };
  load({{"sky", {{"type", "WeatherIcon"}, {"iconSet", "glyph"}}}});
  const auto sky = viewAs<platform::ui::ImageView>("sky");
  ASSERT_TRUE(sky);
  ASSERT_TRUE(sky->image());
  EXPECT_EQ(sky->image()->width(), 4);
}

}  // namespace
}  // namespace vantile
