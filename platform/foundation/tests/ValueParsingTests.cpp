#include "platform/foundation/values/ValueParsing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::foundation {
namespace {

std::string keyNumbered(int number) {
  std::string key = "k";
  key += std::to_string(number);
  return key;
}

TEST(ValueParsing, ReadsWhatTheLibraryParserReads) {
  const std::string text =
      R"({"b": [1, -2, 3.5, true, null, "x\u00e9"], "a": {"z": {}, "y": []}, "n": 18446744073709551615})";
  const auto parsed = parseValue(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, Value::parse(text));
  EXPECT_EQ(parsed->dump(), Value::parse(text).dump());
}

TEST(ValueParsing, KeepsTheFileOrderOfAManyKeyDictionary) {
  std::string text = "{";
  std::vector<std::string> expected;
  for (int i = 40; i > 0; --i) {
    expected.push_back(keyNumbered(i));
    text += '"';
    text += expected.back();
    text += "\": 1";
    if (i > 1) text += ',';
  }
  text += "}";
  const auto parsed = parseValue(text);
  ASSERT_TRUE(parsed);
  std::vector<std::string> keys;
  for (const auto& [key, value] : parsed->items()) keys.push_back(key);
  EXPECT_EQ(keys, expected);
}

// A repeated key keeps its first place and takes the last value, below and above the size at
// which keys are looked up through a table.
TEST(ValueParsing, ARepeatedKeyKeepsItsPlaceAndTakesTheLastValue) {
  for (const int keys : {3, 30}) {
    std::string text = R"({"dup": 1)";
    for (int i = 0; i < keys; ++i) {
      text += ", \"";
      text += keyNumbered(i);
      text += "\": 0";
    }
    text += R"(, "dup": {"inner": 2}})";
    const auto parsed = parseValue(text);
    ASSERT_TRUE(parsed) << keys;
    EXPECT_EQ(parsed->size(), static_cast<std::size_t>(keys + 1));
    EXPECT_EQ(parsed->begin().key(), "dup");
    EXPECT_EQ((*parsed)["dup"], Value({{"inner", 2}}));
  }
}

TEST(ValueParsing, GivesNothingForTextThatIsNotJSON) {
  for (const char* text : {"", "{", R"({"a": })", "[1, 2", "{} trailing", R"({"a" 1})", "nul"}) {
    EXPECT_FALSE(parseValue(text)) << text;
  }
}

}  // namespace
}  // namespace platform::foundation
