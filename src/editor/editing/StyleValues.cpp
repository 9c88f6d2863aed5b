#include "editor/editing/StyleValues.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantile::StyleValues {

namespace {

using platform::Value;

constexpr std::array<std::string_view, 7> kDictionaryValuedStyles = {
    "frame", "textShadow", "boxShadow", "innerShadow", "contentSize", "initialOffset", "animation"};
constexpr std::array<std::string_view, 3> kShadowStyles = {"textShadow", "boxShadow", "innerShadow"};

template <std::size_t N>
bool holds(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool isDictionaryValuedStyle(std::string_view style) { return holds(kDictionaryValuedStyles, style); }

bool isShadowStyle(std::string_view style) { return holds(kShadowStyles, style); }

Conversion valueForStyle(std::string_view style, const std::string& text) {
  if (!isDictionaryValuedStyle(style) || text.find('{') == std::string::npos) return {Value(text), {}};
  Value parsed = Value::parse(text, nullptr, false);
  if (parsed.is_discarded()) return {std::nullopt, "\"" + text + "\" is not valid JSON"};
  return {std::move(parsed), {}};
}

std::optional<Value> withShadowColor(const Value& element, std::string_view shadowStyle, const std::string& color) {
  if (!element.is_object()) return std::nullopt;
  const auto shadow = element.find(shadowStyle);
  if (shadow == element.end() || !shadow->is_object()) return std::nullopt;
  Value changed = element;
  changed[std::string(shadowStyle)]["color"] = color;
  return changed;
}

Value withEntry(const Value& dictionary, const std::string& key, const std::string& text) {
  Value changed = dictionary.is_object() ? dictionary : Value::object();
  changed[key] = text;
  return changed;
}

std::string childorderWithout(std::string_view childorder, std::string_view name) {
  std::vector<std::string_view> kept;
  std::size_t start = 0;
  while (start <= childorder.size()) {
    const std::size_t comma = std::min(childorder.find(',', start), childorder.size());
    const std::string_view entry = childorder.substr(start, comma - start);
    if (entry != name) kept.push_back(entry);
    start = comma + 1;
  }
  if (kept.empty()) return "none";
  std::string joined(kept.front());
  for (std::size_t index = 1; index < kept.size(); ++index) (joined += ',') += kept[index];
  return joined;
}

}  // namespace vantile::StyleValues
