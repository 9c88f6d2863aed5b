#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantile {

enum class PadDirection { up, down, left, right };

std::string_view padDirectionName(PadDirection direction);
std::optional<PadDirection> padDirectionNamed(std::string_view name);

// What an increment button and its style menu edit: "x~frame" (an entry of a dictionary style)
// or "fontSize~fontSize" (a plain style, named twice).
struct PadAddress {
  std::string subKey;
  std::string style;

  // Nothing (and a log line) unless the text is two non-empty parts around one "~".
  static std::optional<PadAddress> parse(std::string_view text);
  std::string text() const { return subKey + "~" + style; }
  bool operator==(const PadAddress&) const = default;
};

// An arrow of the pad: its direction before the pad address, "up~x~frame".
struct ArrowReference {
  PadDirection direction;
  PadAddress address;

  static std::optional<ArrowReference> parse(std::string_view text);
  std::string text() const;
  bool operator==(const ArrowReference&) const = default;
};

// "frame", "textShadow", "boxShadow", "contentSize" and "initialOffset" hold dictionaries.
bool isDictionaryPadStyle(std::string_view style);

}  // namespace vantile
