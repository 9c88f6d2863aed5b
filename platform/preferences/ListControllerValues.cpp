#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/preferences/ListController.h"

namespace platform::preferences {

std::optional<Value> ListController::readPreferenceValue(const PaneRow& row) const {
  const auto domain = row.text("defaults");
  const auto key = row.text("key");
  if (domain && key) {
    if (auto stored = foundation::PreferenceDomain(*domain).valueForKey(*key)) return stored;
  }
  const auto fallback = row.properties.find("default");
  if (fallback == row.properties.end()) return std::nullopt;
  return *fallback;
}

void ListController::setPreferenceValue(const Value& value, const PaneRow& row) {
  const auto domain = row.text("defaults");
  const auto key = row.text("key");
  if (!domain || !key) {
    foundation::systemLog("the settings row \"" + row.label + "\" names no key and domain; nothing stored");
    return;
  }
  if (!foundation::PreferenceDomain(*domain).setValueForKey(*key, value)) return;
  if (const auto notification = row.text("PostNotification")) {
    foundation::DarwinNotificationCenter::shared().post(*notification);
  }
}

}  // namespace platform::preferences
