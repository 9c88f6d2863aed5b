#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/CreatorView.h"
#include "editor/elementlist/RowScrolling.h"

namespace vantile::testing {
namespace {

TEST(RowScrolling, AViewNameMatchesTheSearchedNameWholeOrAsItsFirstOrLastTildePart) {
  struct Case {
    std::optional<std::string> viewName;
    const char* searched;
    bool matches;
  };
  const Case cases[] = {
      {"title~font", "title", true}, {"title~font", "font", true},   {"title~font", "tit", false},
      {"title~font", "ont", false},  {"title", "title", true},       {"a~b~c", "b", false},
      {"a~b~c", "a", true},          {"a~b~c", "c", true},           {"a~b~c", "a~b", true},
      {std::nullopt, "title", false}, {"title", "", false},          {"", "", false},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(CreatorView::doesViewName(test.viewName, test.searched), test.matches)
        << test.viewName.value_or("(none)") << " / " << test.searched;
  }
}

TEST(RowScrolling, TheRowIsCentredButTheOffsetStaysBetweenZeroAndTheEndOfTheContent) {
  struct Case {
    double rowY;
    double expected;
  };
  // A 200-point panel over 1000 points of content, 40-point rows.
  const Case cases[] = {{0, 0}, {60, 0}, {400, 320}, {960, 800}, {2000, 800}};
  for (const Case& test : cases) {
    EXPECT_DOUBLE_EQ(RowScrolling::centredRowOffset(test.rowY, 40, 200, 1000), test.expected) << test.rowY;
  }
  EXPECT_DOUBLE_EQ(RowScrolling::centredRowOffset(100, 40, 200, 150), 0) << "content shorter than the panel";
}

}  // namespace
}  // namespace vantile::testing
