#include "inspector/naming/ElementNameRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantile {
namespace {

using Problem = std::optional<ElementNameProblem>;

bool takenInTheme(std::string_view name) {
  static const std::set<std::string, std::less<>> names = {"Clock", "time"};
  return names.find(name) != names.end();
}

TEST(ElementNameRules, TypedTextIsCleanedIntoNameCharacters) {
  const struct {
    const char* typed;
    const char* name;
  } cases[] = {
      {"  big clock  ", "big_clock"}, {"date-label", "datelabel"}, {"Hello!", "Hello"},
      {"\n\tok\r\n", "ok"},           {"a~b,c", "abc"},           {"!-?", ""},
      {"Ünïcode 1", "ncode_1"},       {"", ""},
  };
  for (const auto& testCase : cases) {
    EXPECT_EQ(sanitizeElementName(testCase.typed), testCase.name) << testCase.typed;
  }
}

TEST(ElementNameRules, NamesAreTestedInTheOrderOfTheRules) {
  const std::string hundred(100, 'a');
  const struct {
    std::string name;
    Problem problem;
  } cases[] = {
      {"label", std::nullopt},
      {"frame1", std::nullopt},
      {"clock", std::nullopt},  // names differ by case
      {hundred, std::nullopt},
      {hundred + "a", ElementNameProblem::length},
      {"", ElementNameProblem::length},
      {"   ", ElementNameProblem::length},
      {"a,b", ElementNameProblem::forbiddenCharacter},
      {"a~b", ElementNameProblem::forbiddenCharacter},
      {"it's", ElementNameProblem::forbiddenCharacter},
      {"FrAmE", ElementNameProblem::reservedWord},
      {"ChildOrder", ElementNameProblem::reservedWord},
      {"NONE", ElementNameProblem::reservedWord},
      {"Clock", ElementNameProblem::alreadyUsed},
      {" Clock ", ElementNameProblem::alreadyUsed},
      {"\xff", ElementNameProblem::length},
  };
  for (const auto& testCase : cases) {
    EXPECT_EQ(elementNameProblem(testCase.name, takenInTheme), testCase.problem) << testCase.name;
  }
}

TEST(ElementNameRules, HundredUnitsAreCountedInUtf16) {
  // "😀" is two UTF-16 units: fifty of them fill the limit, one more letter breaks it.
  std::string emoji;
  for (int index = 0; index < 50; ++index) emoji += "\xF0\x9F\x98\x80";
  EXPECT_EQ(elementNameProblem(emoji, {}), std::nullopt);
  EXPECT_EQ(elementNameProblem(emoji + "a", {}), ElementNameProblem::length);
}

}  // namespace
}  // namespace vantile
