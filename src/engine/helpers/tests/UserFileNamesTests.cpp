#include <gtest/gtest.h>

#include <string>

#include "engine/helpers/UserFileNames.h"

namespace vantile::testing {
namespace {

struct NameCase {
  std::string name;
  bool acceptable;
};

TEST(UserFileNameRule, AcceptsOneToAHundredUnitsWithoutSeparatorsOrALeadingDot) {
  std::string emoji50;
  for (int index = 0; index < 50; ++index) emoji50 += "\xF0\x9F\x98\x80";  // two UTF-16 units each
  const NameCase cases[] = {
      {"Clock", true},
      {"My_clock", true},
      {"a", true},
      {"a.b", true},
      {"my theme.v2", true},
      {"\xC3\xBC" "ber", true},
      {std::string(100, 'a'), true},
      {emoji50, true},
      {std::string(101, 'a'), false},
      {emoji50 + "a", false},
      {"", false},
      {".", false},
      {"..", false},
      {".hidden", false},
      {"../x", false},
      {"a/b", false},
      {"a\\b", false},
      {"a:b", false},
      {std::string("a\0b", 3), false},
      {"\xFF", false},
      {"\xC0\xAF", false},  // an overlong "/"
  };
  for (const NameCase& test : cases) {
    EXPECT_EQ(isAcceptableUserFileName(test.name), test.acceptable) << '"' << test.name << '"';
  }
}

TEST(UserFileNameRule, CountsUTF16UnitsAndRefusesBrokenUTF8) {
  EXPECT_EQ(utf16Length("abc"), 3U);
  EXPECT_EQ(utf16Length("\xC3\xBC"), 1U);
  EXPECT_EQ(utf16Length("\xE2\x82\xAC"), 1U);
  EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2U);
  EXPECT_EQ(utf16Length("\xE2\x82"), std::nullopt);
  EXPECT_EQ(utf16Length("\xED\xA0\x80"), std::nullopt);  // a surrogate
}

}  // namespace
}  // namespace vantile::testing
