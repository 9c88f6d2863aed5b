#include <gtest/gtest.h>

#include "settings/panes/DynamicRule.h"

namespace vantile::settings {
namespace {

TEST(DynamicRuleText, SplitsOnlyOnACommaAndOneSpaceIntoThreeParts) {
  const auto rule = DynamicRule::parse("hidebattery, ==, 1");
  ASSERT_TRUE(rule);
  EXPECT_EQ(rule->controllingID, "hidebattery");
  EXPECT_EQ(rule->operatorText, "==");
  EXPECT_EQ(rule->value, "1");
  for (const char* malformed : {"", "hidebattery,==,1", "a, ==", "a, ==, 1, 2"}) {
    EXPECT_FALSE(DynamicRule::parse(malformed)) << malformed;
  }
}

TEST(DynamicRuleEvaluation, ComparesNumbersByOperatorAndTextOnlyForEquality) {
  using platform::Value;
  const struct {
    const char* rule;
    std::optional<Value> value;
    bool hides;
  } cases[] = {
      {"hidebattery, ==, 1", Value(true), true},
      {"hidebattery, ==, 1", Value(false), false},
      {"hidebattery, =>, 1", Value(1), true},
      {"hidebattery, =>, 1", Value(0), false},
      {"mode, !=, clock", Value("clock"), true},
      {"mode, !=, clock", Value("date"), false},
      {"size, >, 10", Value(10.9), false},
      {"size, >, 11", Value(11.0), false},
      {"size, >, 10", Value(11.0), true},
      {"size, <, 10", Value(9.99), true},
      {"size, !=, ten", Value(3), true},
      {"tags, ==, a", Value::array({"b", "a"}), true},
      {"tags, ==, c", Value::array({"b", "a"}), false},
      {"anything, ==, 1", std::nullopt, false},
      {"anything, ==, 1", Value::object(), false},
  };
  for (const auto& c : cases) {
    const auto rule = DynamicRule::parse(c.rule);
    ASSERT_TRUE(rule) << c.rule;
    EXPECT_EQ(ruleHolds(*rule, c.value), c.hides) << c.rule << " with " << (c.value ? c.value->dump() : "nothing");
  }
}

TEST(DynamicRuleOperators, NumberTheFourOperatorsAndTreatTheRestAsEquality) {
  EXPECT_EQ(operatorTypeForString("=="), 0);
  EXPECT_EQ(operatorTypeForString("!="), 1);
  EXPECT_EQ(operatorTypeForString(">"), 2);
  EXPECT_EQ(operatorTypeForString("<"), 3);
  EXPECT_EQ(operatorTypeForString("=>"), 0);
}

}  // namespace
}  // namespace vantile::settings
