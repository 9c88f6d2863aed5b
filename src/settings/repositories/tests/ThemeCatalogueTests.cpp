#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/values/ValueParsing.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/ThemeItems.h"

namespace vantile::settings::repositories {
namespace {

using Items = std::vector<std::string>;

TEST(ThemeCatalogue, DownloadsAreSplitTheSameWithBracketsAnywhereOrNone) {
  const std::vector<std::pair<std::string, Items>> cases{
      {"[A.json, A.jpg, font.ttf]", {"A.json", " A.jpg", " font.ttf"}},
      {"A.json, A.jpg, font.ttf", {"A.json", " A.jpg", " font.ttf"}},
      {"A.json, [A.jpg], fo]nt.ttf[", {"A.json", " A.jpg", " font.ttf"}},
      {"Set/weathericons", {"Set/weathericons"}},
      {"", {""}},
      {"[]", {""}},
      {",", {"", ""}},
  };
  for (const auto& [text, items] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(splitDownloads(text), items);
  }
}

TEST(ThemeCatalogue, EachThemeIsJudgedOnItsOwn) {
  const auto themes = readThemeCatalogue(R"({"Themes":{
      "Alpha":{"downloads":"[Alpha.json, Alpha.jpg]","img":"Alpha.jpg","extra":1},
      "NoDownloads":{"img":"n.jpg"},
      "NoPicture":{"downloads":"NoPicture.json","img":7},
      "NotAnObject":3,
      "ListedDownloads":{"downloads":["x.json"],"img":"x.jpg"},
      "..":{"downloads":"a.json","img":"a.jpg"},
      "a/b":{"downloads":"a.json","img":"a.jpg"},
      "Empty":{"downloads":"","img":"e.jpg"}}})");
  ASSERT_TRUE(themes);
  std::vector<std::string> names;
  for (const CatalogueTheme& theme : *themes) names.push_back(theme.name);
  EXPECT_EQ(names, (Items{"Alpha", "NoDownloads", "NoPicture", "Empty"}));
  EXPECT_EQ((*themes)[0].downloads, (Items{"Alpha.json", " Alpha.jpg"}));
  EXPECT_EQ((*themes)[0].img, "Alpha.jpg");
  EXPECT_TRUE((*themes)[1].downloads.empty());
  EXPECT_EQ((*themes)[2].img, "");
  EXPECT_EQ((*themes)[3].downloads, Items{""});
}

TEST(ThemeCatalogue, TextsThatAreNoCatalogueAreRefusedAndCountNothing) {
  for (const char* text : {"not json", "", "[]", R"("Themes")", "null", R"({"Other":{}})", R"({"Themes":[]})",
                           R"({"Themes":"A"})"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(readThemeCatalogue(text));
    const auto parsed = platform::foundation::parseValue(text);
    EXPECT_EQ(catalogueThemeCount(parsed ? *parsed : platform::Value()), 0u);
  }
  EXPECT_EQ(catalogueThemeCount(*platform::foundation::parseValue(R"({"Themes":{"A":{},"B":{}}})")), 2u);
}

TEST(ThemeItems, KindsAreToldApartInOrderAndFoldersLoseTheirSpaces) {
  struct Case {
    const char* item;
    ThemeItemKind kind;
    const char* folder;
  };
  const std::vector<Case> cases{
      {" My Set/weathericons", ThemeItemKind::WeatherIcons, "MySet"},
      {"Bars/signalimages", ThemeItemKind::SignalImages, "Bars"},
      {"Waves/wifiimages", ThemeItemKind::WifiImages, "Waves"},
      {"Both/signalimages/wifiimages", ThemeItemKind::WifiImages, "Both"},
      {"Set/weathericons/wifiimages", ThemeItemKind::WeatherIcons, "Set"},
      {"Clock/htmlWebview/index.html", ThemeItemKind::HTMLWidget, "Clock"},
      {"Set/WeatherIcons", ThemeItemKind::SingleFile, "Set"},
      {" font.ttf", ThemeItemKind::SingleFile, "font.ttf"},
  };
  for (const Case& tried : cases) {
    SCOPED_TRACE(tried.item);
    EXPECT_EQ(themeItemKind(tried.item), tried.kind);
    EXPECT_EQ(setFolderName(tried.item), tried.folder);
  }
  EXPECT_EQ(singleFileName(" \n[font.ttf]\t"), "font.ttf");
  EXPECT_EQ(itemParts(" A B/htmlWebview/x.js"), (Items{" A B", "htmlWebview", "x.js"}));
}

}  // namespace
}  // namespace vantile::settings::repositories
