#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/graphics/Color.h"

namespace vantile {

// The drawer's reads of the standard user defaults: a key without an object takes the
// caller's fallback; a present value reads as Foundation reads it (a non-number is 0 or NO).
class DrawerDefaults {
 public:
  DrawerDefaults() : defaults_(platform::foundation::UserDefaults::standard()) {}

  bool has(std::string_view key) const { return defaults_.objectForKey(key).has_value(); }
  bool flag(std::string_view key, bool fallback) const;
  std::int64_t integer(std::string_view key, std::int64_t fallback) const;
  // A stored colour string through the engine's parser; nothing when absent or unreadable.
  std::optional<platform::graphics::Color> colour(std::string_view key) const;

  const platform::foundation::UserDefaults& store() const { return defaults_; }

 private:
  platform::foundation::UserDefaults defaults_;
};

}  // namespace vantile
