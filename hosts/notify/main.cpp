#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "NotifyOptions.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = vantile::notify::parseNotifyOptions(arguments);
  if (parsed.help) {
    std::cout << vantile::notify::notifyUsage();
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "vantile-notify: " << parsed.error << "\n" << vantile::notify::notifyUsage();
    return 2;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(parsed.options->root, error)) {
    std::cerr << "vantile-notify: no device folder at " << parsed.options->root.string() << "\n";
    return 1;
  }
  platform::foundation::setDeviceRoot(parsed.options->root);
  return platform::foundation::DarwinNotificationCenter::shared().post(parsed.options->name) ? 0 : 1;
}
