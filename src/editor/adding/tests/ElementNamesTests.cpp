#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editor/adding/ElementNames.h"

namespace vantile::testing {
namespace {

TEST(ElementNames, NumberedNamesSkipEveryCandidateTheListTextContains) {
  struct Case {
    const char* base;
    const char* list;
    std::int64_t count;
    const char* expected;
  };
  const Case cases[] = {
      {"Clock", "(Clock)", 1, "Clock_1"},
      {"Clock", "(Clock, Clock_1)", 1, "Clock_2"},
      {"Clock", "(Clock, Clock_1, Clock_2)", 1, "Clock_3"},
      // A longer name containing the candidate counts as a clash too.
      {"bar", "{\"bar_1x\":{}}", 1, "bar_2"},
      {"Clock", "", 3, "Clock_3"},
  };
  for (const Case& c : cases) EXPECT_EQ(makeNewName(c.base, c.list, c.count), c.expected) << c.list;
}

TEST(ElementNames, AUniqueNameIsTheNameWhenFreeElseItsFirstFreeNumberedForm) {
  std::set<std::string, std::less<>> taken;
  const auto isTaken = [&taken](std::string_view name) { return taken.contains(name); };
  EXPECT_EQ(uniqueElementName("Clock", isTaken), "Clock");
  taken.insert("Clock");
  EXPECT_EQ(uniqueElementName("Clock", isTaken), "Clock_1");
  taken.insert("Clock_1");
  EXPECT_EQ(uniqueElementName("Clock", isTaken), "Clock_2");
  // Whole names only: a longer name holding the candidate does not make it skip.
  taken = {"bar", "bar_1x"};
  EXPECT_EQ(uniqueElementName("bar", isTaken), "bar_1");
}

}  // namespace
}  // namespace vantile::testing
