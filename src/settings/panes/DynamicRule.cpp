#include "settings/panes/DynamicRule.h"

#include <vector>

#include "platform/foundation/values/Conversions.h"

namespace vantile::settings {

namespace foundation = platform::foundation;

std::optional<DynamicRule> DynamicRule::parse(std::string_view text) {
  if (text.empty()) return std::nullopt;
  constexpr std::string_view separator = ", ";
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto found = text.find(separator, start);
    parts.emplace_back(text.substr(start, found == std::string_view::npos ? std::string_view::npos : found - start));
    if (found == std::string_view::npos) break;
    start = found + separator.size();
  }
  if (parts.size() != 3) return std::nullopt;
  return DynamicRule{std::move(parts[0]), std::move(parts[1]), std::move(parts[2])};
}

int operatorTypeForString(std::string_view text) {
  if (text == "!=") return 1;
  if (text == ">") return 2;
  if (text == "<") return 3;
  return 0;
}

bool ruleHolds(const DynamicRule& rule, const std::optional<platform::Value>& controllingValue) {
  if (!controllingValue) return false;
  const platform::Value& value = *controllingValue;
  if (value.is_number() || value.is_boolean()) {
    const std::int32_t left = foundation::intValue(value);
    const std::int32_t right = foundation::intValue(rule.value);
    switch (operatorTypeForString(rule.operatorText)) {
      case 1:
        return left != right;
      case 2:
        return left > right;
      case 3:
        return left < right;
      default:
        return left == right;
    }
  }
  if (value.is_string()) return value.get_ref<const std::string&>() == rule.value;
  if (value.is_array()) {
    for (const auto& item : value) {
      if (item.is_string() && item.get_ref<const std::string&>() == rule.value) return true;
    }
  }
  return false;
}

}  // namespace vantile::settings
