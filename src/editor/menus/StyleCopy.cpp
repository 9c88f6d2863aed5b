#include "editor/menus/StyleCopy.h"

#include <algorithm>
#include <array>

namespace vantile::StyleCopy {

namespace {

using platform::Value;

constexpr std::array<std::string_view, 6> kShownFields = {"x", "y", "width", "height", "radius", "color"};

std::optional<Value> asDictionary(const Value& value) {
  if (value.is_object()) return value;
  if (!value.is_string()) return std::nullopt;
  Value parsed = Value::parse(value.get<std::string>(), nullptr, false);
  if (parsed.is_discarded() || !parsed.is_object()) return std::nullopt;
  return parsed;
}

}  // namespace

StyleAddress split(std::string_view styleAddress) {
  const std::size_t tilde = styleAddress.find('~');
  if (tilde == std::string_view::npos) return {std::string(styleAddress), {}};
  return {std::string(styleAddress.substr(0, tilde)), std::string(styleAddress.substr(tilde + 1))};
}

std::string valueText(const Value& value) { return value.is_string() ? value.get<std::string>() : value.dump(); }

std::string valueColumn(const Value& value, std::string_view field) {
  if (std::find(kShownFields.begin(), kShownFields.end(), field) == kShownFields.end()) return valueText(value);
  const std::optional<Value> dictionary = asDictionary(value);
  if (!dictionary) return {};
  const auto entry = dictionary->find(field);
  return entry == dictionary->end() ? std::string() : valueText(*entry);
}

std::optional<Value> withCopiedField(const Value& target, const Value& source, const std::string& field) {
  std::optional<Value> changed = asDictionary(target);
  const std::optional<Value> from = asDictionary(source);
  if (!changed || !from || !from->contains(field)) return std::nullopt;
  (*changed)[field] = (*from)[field];
  return changed;
}

}  // namespace vantile::StyleCopy
