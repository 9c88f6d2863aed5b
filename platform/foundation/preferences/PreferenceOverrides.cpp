#include "platform/foundation/preferences/PreferenceOverrides.h"

#include <map>
#include <mutex>

#include "platform/foundation/preferences/PreferenceDomain.h"

namespace platform::foundation {

namespace {

struct Overrides {
  std::mutex lock;
  std::map<std::string, Value, std::less<>> byDomain;
};

Overrides& overrides() {
  static Overrides shared;
  return shared;
}

}  // namespace

std::optional<Value> withOverrides(const std::string& domain, std::optional<Value> stored) {
  Overrides& all = overrides();
  const std::lock_guard guard(all.lock);
  const auto found = all.byDomain.find(domain);
  if (found == all.byDomain.end()) {
    return stored;
  }
  Value dictionary = stored.value_or(Value::object());
  for (const auto& [key, value] : found->second.items()) {
    dictionary[key] = value;
  }
  return dictionary;
}

void PreferenceDomain::overrideValue(const std::string& domain, std::string key, Value value) {
  Overrides& all = overrides();
  const std::lock_guard guard(all.lock);
  Value& dictionary = all.byDomain[domain];
  if (!dictionary.is_object()) {
    dictionary = Value::object();
  }
  dictionary[std::move(key)] = std::move(value);
}

void PreferenceDomain::clearOverrides() {
  Overrides& all = overrides();
  const std::lock_guard guard(all.lock);
  all.byDomain.clear();
}

}  // namespace platform::foundation
