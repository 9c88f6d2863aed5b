#include "SettingsBundle.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/ui/views/ViewController.h"

namespace vantile::settings_host {

std::filesystem::path builtTweakPath() { return VANTILE_TWEAK_LIBRARY; }

std::filesystem::path builtSettingsBundlePath() { return VANTILE_SETTINGS_LIBRARY; }

namespace {

std::optional<std::string> principalClassName() {
  using platform::foundation::systemLog;
  const auto info = platform::foundation::Bundle::main().pathForResource("Info", "plist");
  const auto bytes = info ? platform::foundation::readFile(platform::foundation::devicePath(*info)) : std::nullopt;
  const auto dictionary = bytes ? platform::foundation::valueFromPropertyList(*bytes) : std::nullopt;
  if (!dictionary || !dictionary->is_object()) {
    systemLog("settings: the settings bundle has no readable Info.plist");
    return std::nullopt;
  }
  const platform::Value principal = dictionary->value("NSPrincipalClass", platform::Value());
  if (!principal.is_string()) {
    systemLog("settings: the settings bundle's Info.plist names no \"NSPrincipalClass\"");
    return std::nullopt;
  }
  return principal.get<std::string>();
}

}  // namespace

std::shared_ptr<platform::ui::ViewController> makeRootPane() {
  const auto name = principalClassName();
  return name ? platform::preferences::PaneRegistry::shared().makePane(*name) : nullptr;
}

}  // namespace vantile::settings_host
