#include "editor/pad/PadAddress.h"

#include <array>
#include <algorithm>
#include <vector>

#include "platform/foundation/files/SystemLog.h"

namespace vantile {

namespace {

constexpr std::array<std::pair<PadDirection, std::string_view>, 4> kDirectionNames{{
    {PadDirection::up, "up"},
    {PadDirection::down, "down"},
    {PadDirection::left, "left"},
    {PadDirection::right, "right"},
}};

constexpr std::array<std::string_view, 5> kDictionaryStyles{"frame", "textShadow", "boxShadow", "contentSize",
                                                            "initialOffset"};

std::vector<std::string_view> splitOnTilde(std::string_view text) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t tilde = text.find('~');
    parts.push_back(text.substr(0, tilde));
    if (tilde == std::string_view::npos) return parts;
    text.remove_prefix(tilde + 1);
  }
}

bool anyEmpty(const std::vector<std::string_view>& parts) {
  return std::any_of(parts.begin(), parts.end(), [](std::string_view part) { return part.empty(); });
}

}  // namespace

std::string_view padDirectionName(PadDirection direction) {
  for (const auto& [candidate, name] : kDirectionNames) {
    if (candidate == direction) return name;
  }
  return {};
}

std::optional<PadDirection> padDirectionNamed(std::string_view name) {
  for (const auto& [direction, candidate] : kDirectionNames) {
    if (candidate == name) return direction;
  }
  return std::nullopt;
}

std::optional<PadAddress> PadAddress::parse(std::string_view text) {
  const std::vector<std::string_view> parts = splitOnTilde(text);
  if (parts.size() != 2 || anyEmpty(parts)) {
    platform::foundation::systemLog("Increment pad: \"" + std::string(text) + "\" is no pad address");
    return std::nullopt;
  }
  return PadAddress{std::string(parts[0]), std::string(parts[1])};
}

std::optional<ArrowReference> ArrowReference::parse(std::string_view text) {
  const std::vector<std::string_view> parts = splitOnTilde(text);
  const std::optional<PadDirection> direction = parts.size() == 3 ? padDirectionNamed(parts[0]) : std::nullopt;
  if (!direction || anyEmpty(parts)) {
    platform::foundation::systemLog("Increment pad: \"" + std::string(text) + "\" is no arrow reference");
    return std::nullopt;
  }
  return ArrowReference{*direction, PadAddress{std::string(parts[1]), std::string(parts[2])}};
}

std::string ArrowReference::text() const { return std::string(padDirectionName(direction)) + "~" + address.text(); }

bool isDictionaryPadStyle(std::string_view style) {
  return std::find(kDictionaryStyles.begin(), kDictionaryStyles.end(), style) != kDictionaryStyles.end();
}

}  // namespace vantile
