#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace platform::foundation {

// A preference domain is the property list "var/mobile/Library/Preferences/<domain>.plist"
// under the device root, XML or binary. Its dictionary is read whole; a write replaces the
// file atomically (XML), so a reader in another process never sees half a file.
class PreferenceDomain {
 public:
  explicit PreferenceDomain(std::string domain);

  const std::string& domain() const { return domain_; }

  // The domain's dictionary; nothing when the file is missing or is not a readable
  // property list holding a dictionary (the reason is logged).
  std::optional<Value> read() const;
  // One key of the dictionary, or nothing.
  std::optional<Value> valueForKey(std::string_view key) const;

  // Writes the dictionary (anything else is refused). False, with a log line, on failure.
  bool write(const Value& dictionary) const;
  // Reads, sets one key, writes back; a missing file starts from an empty dictionary.
  bool setValueForKey(std::string_view key, const Value& value) const;

  // Process-wide values that reads answer over the file's and that are never written into it:
  // a host's command line setting a key for one run without changing the user's settings.
  static void overrideValue(const std::string& domain, std::string key, Value value);
  static void clearOverrides();

 private:
  std::optional<Value> readStored() const;

  std::string domain_;
};

// Property-list bytes (XML or binary) to a value and back; dates become seconds since 1970
// and data becomes a base64 string.
std::optional<Value> valueFromPropertyList(std::string_view bytes);
std::optional<std::string> xmlPropertyListFromValue(const Value& value);

}  // namespace platform::foundation
