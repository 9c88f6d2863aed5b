#include "editor/files/ThemeBackup.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile {

namespace {
constexpr const char* kBackupKey = "themeBackup";
constexpr const char* kThemeFileKey = "themeFile";
constexpr const char* kDocumentKey = "document";
}  // namespace

void ThemeBackup::store() const {
  platform::Value backup = platform::Value::object();
  backup[kThemeFileKey] = themeFile;
  backup[kDocumentKey] = document.dump(-1, ' ', false, platform::Value::error_handler_t::replace);
  const auto defaults = platform::foundation::UserDefaults::standard();
  defaults.setObject(kBackupKey, backup);
  defaults.synchronize();
}

std::optional<ThemeBackup> ThemeBackup::stored() {
  const std::optional<platform::Value> backup = platform::foundation::UserDefaults::standard().objectForKey(kBackupKey);
  if (!backup) return std::nullopt;
  const auto themeFile = backup->is_object() ? backup->find(kThemeFileKey) : backup->end();
  const auto text = backup->is_object() ? backup->find(kDocumentKey) : backup->end();
  if (!backup->is_object() || themeFile == backup->end() || !themeFile->is_string() || text == backup->end() ||
      !text->is_string()) {
    platform::foundation::systemLog("themeBackup holds no theme backup; nothing is recovered.");
    return std::nullopt;
  }
  std::optional<platform::Value> document = platform::foundation::parseValue(text->get<std::string>());
  if (!document || !document->is_object()) {
    platform::foundation::systemLog("The theme in themeBackup is not a JSON dictionary; nothing is recovered.");
    return std::nullopt;
  }
  return ThemeBackup{themeFile->get<std::string>(), std::move(*document)};
}

}  // namespace vantile
