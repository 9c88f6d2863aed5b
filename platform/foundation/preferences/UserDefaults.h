#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/values/Value.h"

namespace platform::foundation {

// A process's standard user defaults: the preference domain named after its main bundle's
// identifier, so each process keeps its own values. Every write goes to the domain's file at
// once (synchronize has nothing left to do); reads see what another process wrote.
class UserDefaults {
 public:
  // The main bundle's domain as it is at the call (hosts name the bundle before anything asks).
  static UserDefaults standard();

  explicit UserDefaults(std::string domain) : domain_(std::move(domain)) {}

  const std::string& domain() const { return domain_.domain(); }

  // Nothing when the key holds no object.
  std::optional<Value> objectForKey(std::string_view key) const;
  // Foundation's readings of a present value; false / 0 for an absent one.
  bool boolForKey(std::string_view key) const;
  std::int64_t integerForKey(std::string_view key) const;
  double doubleForKey(std::string_view key) const;
  std::optional<std::string> stringForKey(std::string_view key) const;

  void setObject(std::string_view key, const Value& value) const;
  void removeObject(std::string_view key) const;
  bool synchronize() const { return true; }

 private:
  PreferenceDomain domain_;
};

}  // namespace platform::foundation
