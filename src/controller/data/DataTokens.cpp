#include "controller/VantileController.h"
#include "platform/foundation/Conversions.h"
#include "platform/foundation/Strings.h"
#include "providers/VantileDates.h"

namespace vantile {

namespace {

// Length of the line terminator at `position` (the ones "." of a regular expression stops at), or 0.
std::size_t lineTerminatorLength(std::string_view text, std::size_t position) {
  const auto byte = static_cast<unsigned char>(text[position]);
  if (byte >= 0x0A && byte <= 0x0D) return 1;
  const std::string_view rest = text.substr(position);
  if (rest.starts_with("\xC2\x85")) return 2;
  if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) return 3;
  return 0;
}

// The names inside "[" and the nearest "]" on the same line, left to right, duplicates included.
std::vector<std::string_view> tokenNames(std::string_view text) {
  std::vector<std::string_view> names;
  std::size_t start = text.find('[');
  while (start != std::string_view::npos) {
    std::size_t position = start + 1;
    while (position < text.size() && text[position] != ']' && lineTerminatorLength(text, position) == 0) ++position;
    if (position < text.size() && text[position] == ']') {
      names.push_back(text.substr(start + 1, position - start - 1));
      start = text.find('[', position + 1);
    } else {
      start = text.find('[', start + 1);
    }
  }
  return names;
}

}  // namespace

std::optional<std::string> VantileController::resolveToken(std::string_view name) {
  if (VantileDates::isToken(name)) return VantileDates::token(name);
  if (providers.isSystemToken && providers.isSystemToken(name)) {
    return providers.systemToken ? providers.systemToken(name) : std::nullopt;
  }
  if (providers.getWeatherInfo) {
    const platform::Value& weather = providers.getWeatherInfo();
    if (weather.is_object()) {
      if (auto found = weather.find(name); found != weather.end()) return platform::foundation::description(*found);
    }
  }
  return "na";
}

std::optional<std::string> VantileController::cachedTokenValue(std::string_view name) {
  if (!passTokenValues_) return resolveToken(name);
  if (auto found = passTokenValues_->find(name); found != passTokenValues_->end()) return found->second;
  return passTokenValues_->emplace(std::string(name), resolveToken(name)).first->second;
}

std::optional<std::string> VantileController::handleData(std::optional<std::string_view> text) {
  if (providers.checkIfWeatherNeedsUpdating) providers.checkIfWeatherNeedsUpdating();
  if (!text) return std::nullopt;
  std::string result(*text);
  for (const std::string_view name : tokenNames(*text)) {
    const auto value = cachedTokenValue(name);
    if (!value) continue;
    std::string token(1, '[');
    token.append(name).push_back(']');
    result = platform::foundation::replacingOccurrences(result, token, *value);
  }
  return result;
}

}  // namespace vantile
