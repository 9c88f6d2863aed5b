#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/themefiles/ThemeFileNames.h"

namespace vantile {
namespace {

TEST(ThemeFileNames, ATypedNameGetsUnderscoresACapitalFirstLetterAndTheExtension) {
  const struct {
    std::string typed;
    std::string fileName;
  } cases[] = {
      {"my theme", "My_theme.json"},
      {"clock", "Clock.json"},
      {"MY theme ", "MY_theme_.json"},
      {"élan vital", "Élan_vital.json"},
      {"9 lives", "9_lives.json"},
  };
  for (const auto& c : cases) EXPECT_EQ(themeFileNameFromTyped(c.typed), c.fileName) << c.typed;
}

TEST(ThemeFileNames, ThePromptOffersTheEditedThemeButNotTheStartingOne) {
  EXPECT_EQ(promptedThemeName("Clock.json"), "Clock");
  EXPECT_EQ(promptedThemeName("time.json"), "");
  EXPECT_EQ(promptedThemeName(""), "");
}

TEST(ThemeFileNames, OnlyNamesThatStayInTheThemesFolderAreAccepted) {
  const std::string longName(101, 'a');
  const std::vector<std::string> refused{"../x.json", "A/b.json", "..json",   "...json", ".x.json",
                                         ".json",     "a\\b.json", "a:b.json", "..",      longName + ".json"};
  for (const std::string& name : refused) {
    EXPECT_FALSE(isAcceptableThemeFileName(name)) << name;
  }
  const std::vector<std::string> accepted{"Clock.json", "My_theme.json", "a..b.json", std::string(100, 'a') + ".json"};
  for (const std::string& name : accepted) {
    EXPECT_TRUE(isAcceptableThemeFileName(name)) << name;
  }
}

TEST(ThemeFileNames, TheDocumentAndItsPreviewLieSideBySideInTheThemesFolder) {
  EXPECT_EQ(themeDocumentPath("Clock.json"), "/var/mobile/Library/Vantile/themes/Clock.json");
  EXPECT_EQ(themePreviewPath(themeNameOfFile("Clock.json")), "/var/mobile/Library/Vantile/themes/Clock.jpg");
}

}  // namespace
}  // namespace vantile
