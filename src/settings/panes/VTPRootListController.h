#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/panes/VantilePane.h"

namespace vantile::settings {

// The bundle's first pane: the rows of its row file "Root", which lead to the other panes and
// choose the themes, the language, the charging animation and the forced weather.
class VTPRootListController : public VantilePane {
 public:
  static constexpr std::string_view className = "VTPRootListController";
  static constexpr const char* kPreferencesChanged = "com.kestrune.vantile/preferences.changed";

  static std::shared_ptr<VTPRootListController> make();

  explicit VTPRootListController(ConstructionKey key);

  // Each reads its folder anew.
  static std::vector<std::string> VantileThemeTitles();
  static std::vector<std::string> VantileThemeValues();
  static std::vector<std::string> VantileLanguageTitles();
  static std::vector<std::string> VantileLanguageValues();
  static std::vector<std::string> VantileBatteryAnimationTitles();
  static std::vector<std::string> VantileBatteryAnimationValues();
  static std::vector<std::string> VantileWeatherTitles();
  static std::vector<std::string> VantileWeatherValues();

  void _returnKeyPressed() override;

  static void launchTwitter();
  static void launchInstagram();
  static void launchWebsite();
  static void vantileThemes();
  static void makeVantileThemes();
  static void giveMeMoney();
};

}  // namespace vantile::settings
