#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/panes/FolderLists.h"
#include "settings/panes/SubPanes.h"
#include "settings/panes/VTPRootListController.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

using Names = std::vector<std::string>;

void writeEntries(const vantile::testing::TemporaryDeviceRoot& root, std::string_view folder, const Names& names) {
  for (const auto& name : names) root.writeFile(std::string("/").append(folder).append(name), "{}");
}

TEST(FolderOrdering, PutsCapitalisedNamesFirstAndSortsEachGroupIgnoringCase) {
  const struct {
    Names given;
    Names expected;
  } cases[] = {
      {{"zeta", "Alpha", "beta", "Gamma"}, {"Alpha", "Gamma", "beta", "zeta"}},
      {{"abc.json", "Zen.json", "\xC3\x89" "clair.json"}, {"\xC3\x89" "clair.json", "Zen.json", "abc.json"}},
      {{"zed.json", "2themes.json", "_x.json", "Beta.json", "apple.json"},
       {"Beta.json", "_x.json", "2themes.json", "apple.json", "zed.json"}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(orderedFolderEntries(c.given), c.expected);
  }
}

TEST(FolderLists, OfferOnlyThemeDocumentsAndLeaveNotesOutOfChargingSequences) {
  vantile::testing::TemporaryDeviceRoot root;
  writeEntries(root, kThemesFolder, {"zeta.json", "Alpha.json", "Alpha.jpg", "beta.json"});
  writeEntries(root, kChargingSequencesFolder, {"Orbit/1.png", "notes.txt", "particlespin/1.png"});

  EXPECT_EQ(VTPRootListController::VantileThemeTitles(), (Names{"Alpha.json", "beta.json", "zeta.json"}));
  EXPECT_EQ(VTPRootListController::VantileThemeValues(), VTPRootListController::VantileThemeTitles());
  EXPECT_EQ(VTPRootListController::VantileBatteryAnimationValues(), (Names{"Orbit", "particlespin"}));
  EXPECT_TRUE(VTPRootListController::VantileLanguageTitles().empty()) << "a missing folder offers nothing";
  EXPECT_TRUE(LSHTML::VantileLSHTMLValues().empty());
}

TEST(FolderLists, ReadTheFolderAnewOnEveryCall) {
  vantile::testing::TemporaryDeviceRoot root;
  writeEntries(root, kThemesFolder, {"one.json"});
  writeEntries(root, kWebWidgetsFolder, {"clock/index.html", "Weather/index.html"});
  const auto before = VTPRootListController::VantileThemeTitles();
  writeEntries(root, kThemesFolder, {"New.json"});

  EXPECT_NE(VTPRootListController::VantileThemeTitles(), before);
  EXPECT_EQ(LSHTML::VantileLSHTMLTitles(), (Names{"Weather", "clock"}));
}

TEST(WeatherList, PairsEachTitleWithItsConditionCode) {
  EXPECT_EQ(VTPRootListController::VantileWeatherTitles(), (Names{"cloudy", "rain", "snow", "sun"}));
  EXPECT_EQ(VTPRootListController::VantileWeatherValues(), (Names{"26", "12", "16", "32"}));
}

}  // namespace
}  // namespace vantile::settings
