#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The theme editor's data provider: a preview value for every data key, so a theme can be laid
// out without the tweak's live data. Dates and times are live, with the 12-hour clock and English
// names; everything else is a fixed sample.
class CreatorData {
 public:
  // Exactly the data keys, case-sensitive; the helper operations below are none.
  static bool isDataKey(std::string_view name);
  // The key's preview value, computed at the call; nothing for a name that is no data key.
  static std::optional<std::string> value(std::string_view name);
  // Every data key, sorted case-insensitively, as the data picker lists them.
  static const std::vector<std::string>& dataKeys();

  static bool getTwentyFour() { return false; }
  static std::optional<platform::Value> languageDict() { return std::nullopt; }
  static int batteryAsInt() { return 50; }
  // Now, in the pattern's English form; empty when the pattern is unusable.
  static std::string getDateStringWithFormat(std::string_view pattern);
};

// The text with its data tokens replaced by preview values: a token naming no data key reads "na".
std::string handleData(std::string_view text);

}  // namespace vantile
