#include "NotifyOptions.h"

#include "platform/foundation/notifications/DarwinNotificationCenter.h"

namespace vantile::notify {

namespace {

ParsedNotifyOptions refuse(std::string reason) { return {std::nullopt, false, std::move(reason)}; }

}  // namespace

ParsedNotifyOptions parseNotifyOptions(const std::vector<std::string>& arguments) {
  std::optional<std::filesystem::path> root;
  std::optional<std::string> name;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      return {std::nullopt, true, {}};
    }
    if (argument == "--root") {
      if (root) {
        return refuse("--root is given twice");
      }
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        return refuse("--root needs a folder");
      }
      root = arguments[++i];
    } else if (argument.starts_with("-")) {
      return refuse("unknown argument \"" + argument + "\"");
    } else if (name) {
      return refuse("only one notification name, not also \"" + argument + "\"");
    } else {
      name = argument;
    }
  }
  if (!root) {
    return refuse("--root is required");
  }
  if (!name) {
    return refuse("a notification name is required");
  }
  if (!platform::foundation::DarwinNotificationCenter::isValidName(*name)) {
    return refuse("a notification name has at most " +
                  std::to_string(platform::foundation::DarwinNotificationCenter::kMaximumNameLength) + " bytes");
  }
  return {NotifyOptions{std::move(*root), std::move(*name)}, false, {}};
}

std::string notifyUsage() {
  return "usage: vantile-notify --root DIR NAME\n"
         "  --root DIR  the device folder whose processes receive the notification\n"
         "  NAME        the Darwin notification to post, such as com.kestrune.vantile/preferences.changed\n";
}

}  // namespace vantile::notify
