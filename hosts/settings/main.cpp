#include <iostream>
#include <string>
#include <vector>

#include "SettingsHost.h"
#include "SettingsOptions.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = vantile::settings_host::parseSettingsOptions(arguments);
  if (parsed.help) {
    std::cout << vantile::settings_host::settingsUsage();
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "settings: " << parsed.error << "\n" << vantile::settings_host::settingsUsage();
    return 2;
  }
  return vantile::settings_host::SettingsHost(std::move(*parsed.options)).run();
}
