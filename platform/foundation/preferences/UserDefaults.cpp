#include "platform/foundation/preferences/UserDefaults.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/values/Conversions.h"

namespace platform::foundation {

UserDefaults UserDefaults::standard() { return UserDefaults(Bundle::main().bundleIdentifier()); }

std::optional<Value> UserDefaults::objectForKey(std::string_view key) const {
  auto value = domain_.valueForKey(key);
  if (value && value->is_null()) return std::nullopt;
  return value;
}

bool UserDefaults::boolForKey(std::string_view key) const {
  const auto value = objectForKey(key);
  return value && boolValue(*value);
}

std::int64_t UserDefaults::integerForKey(std::string_view key) const {
  const auto value = objectForKey(key);
  return value ? integerValue(*value) : 0;
}

double UserDefaults::doubleForKey(std::string_view key) const {
  const auto value = objectForKey(key);
  return value ? doubleValue(*value) : 0;
}

std::optional<std::string> UserDefaults::stringForKey(std::string_view key) const {
  const auto value = objectForKey(key);
  if (!value) return std::nullopt;
  if (value->is_string()) return value->get<std::string>();
  if (value->is_number()) return description(*value);
  return std::nullopt;
}

void UserDefaults::setObject(std::string_view key, const Value& value) const { domain_.setValueForKey(key, value); }

void UserDefaults::removeObject(std::string_view key) const {
  auto dictionary = domain_.read().value_or(Value::object());
  if (!dictionary.is_object() || !dictionary.contains(std::string(key))) return;
  dictionary.erase(std::string(key));
  domain_.write(dictionary);
}

}  // namespace platform::foundation
