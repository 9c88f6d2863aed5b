#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile::settings {

// A row's "dynamicRule": "<controlling row ID>, <operator>, <value>", parts separated by ", ".
struct DynamicRule {
  std::string controllingID;
  std::string operatorText;
  std::string value;

  // Nothing for empty text or text that does not split into exactly three parts.
  static std::optional<DynamicRule> parse(std::string_view text);
};

// 0 "==", 1 "!=", 2 ">", 3 "<"; anything else counts as "==".
int operatorTypeForString(std::string_view text);

// Whether the rule holds for the controlling row's value: a number compares its integer part
// by the operator; a string, or an array's strings, must equal the value; anything else never holds.
bool ruleHolds(const DynamicRule& rule, const std::optional<platform::Value>& controllingValue);

}  // namespace vantile::settings
