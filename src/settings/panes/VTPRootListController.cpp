#include "settings/panes/VTPRootListController.h"

#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/ui/views/Application.h"
#include "settings/panes/FolderLists.h"
#include "settings/panes/Respring.h"

namespace vantile::settings {

namespace {

void openAddress(const char* address) { platform::ui::Application::shared().openURL(address); }

}  // namespace

std::shared_ptr<VTPRootListController> VTPRootListController::make() {
  return std::make_shared<VTPRootListController>(ConstructionKey{});
}

VTPRootListController::VTPRootListController(ConstructionKey key) : VantilePane(key, "Root") {
  setListSource("VantileThemeTitles", VantileThemeTitles);
  setListSource("VantileThemeValues", VantileThemeValues);
  setListSource("VantileLanguageTitles", VantileLanguageTitles);
  setListSource("VantileLanguageValues", VantileLanguageValues);
  setListSource("VantileBatteryAnimationTitles", VantileBatteryAnimationTitles);
  setListSource("VantileBatteryAnimationValues", VantileBatteryAnimationValues);
  setListSource("VantileWeatherTitles", VantileWeatherTitles);
  setListSource("VantileWeatherValues", VantileWeatherValues);
  setAction("respring:", [] { settings::respring(); });
  setAction("launchTwitter:", launchTwitter);
  setAction("launchInstagram:", launchInstagram);
  setAction("launchWebsite:", launchWebsite);
  setAction("vantileThemes:", vantileThemes);
  setAction("makeVantileThemes:", makeVantileThemes);
  setAction("giveMeMoney", giveMeMoney);
}

std::vector<std::string> VTPRootListController::VantileThemeTitles() { return getThemes(); }
std::vector<std::string> VTPRootListController::VantileThemeValues() { return getThemes(); }
std::vector<std::string> VTPRootListController::VantileLanguageTitles() { return getLanguages(); }
std::vector<std::string> VTPRootListController::VantileLanguageValues() { return getLanguages(); }
std::vector<std::string> VTPRootListController::VantileBatteryAnimationTitles() { return getChargingAnimations(); }
std::vector<std::string> VTPRootListController::VantileBatteryAnimationValues() { return getChargingAnimations(); }
std::vector<std::string> VTPRootListController::VantileWeatherTitles() { return {"cloudy", "rain", "snow", "sun"}; }
std::vector<std::string> VTPRootListController::VantileWeatherValues() { return {"26", "12", "16", "32"}; }

void VTPRootListController::_returnKeyPressed() {
  ListController::_returnKeyPressed();
  platform::foundation::DarwinNotificationCenter::shared().post(kPreferencesChanged);
}

void VTPRootListController::launchTwitter() { openAddress("https://twitter.com/kestrune"); }
void VTPRootListController::launchInstagram() { openAddress("https://instagram.com/kestrune"); }
void VTPRootListController::launchWebsite() { openAddress("https://kestrune.com"); }
void VTPRootListController::vantileThemes() { openAddress("https://kestrune.com/vantile/themes"); }
void VTPRootListController::makeVantileThemes() { openAddress("https://kestrune.com/vantile/making-themes"); }
void VTPRootListController::giveMeMoney() { openAddress("https://kestrune.com/support"); }

}  // namespace vantile::settings
