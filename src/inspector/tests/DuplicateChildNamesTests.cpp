#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "inspector/actions/DuplicateChildNames.h"

namespace vantile::testing {
namespace {

using platform::Value;

std::string firstFreeNumbered(const std::string& name, const std::vector<std::string>& taken) {
  for (int number = 1;; ++number) {
    std::string candidate = name + "_" + std::to_string(number);
    if (std::find(taken.begin(), taken.end(), candidate) == taken.end()) return candidate;
  }
}

Value withFreshNames(const Value& element, std::vector<std::string>& taken) {
  return DuplicateChildNames::withFreshChildNames(element, taken, firstFreeNumbered);
}

const Value kFrame = {{"x", "0"}, {"y", "0"}, {"width", "50"}, {"height", "20"}};
const Value kShadow = {{"color", "rgba(0, 0, 0, 1.00)"}, {"radius", "2"}};

TEST(DuplicateChildNames, ChildrenNamedLikeStyleKeysAreRenamedAsKeysOnlyAndEveryChildOrderFollows) {
  const Value inner = {{"type", "UILabel"}, {"frame", kFrame}, {"textShadow", kShadow}};
  const Value element = {{"type", "UIView"},
                         {"frame", kFrame},
                         {"textShadow", kShadow},
                         {"childorder", "textShadow,frame"},
                         {"children",
                          {{"frame", inner},
                           {"textShadow",
                            {{"type", "UIView"}, {"childorder", "frame_1"}, {"children", {{"frame_1", inner}}}}}}}};
  std::vector<std::string> taken = {"frame", "textShadow", "frame_1", "box"};

  const Value copy = withFreshNames(element, taken);

  const Value expected = {{"type", "UIView"},
                          {"frame", kFrame},
                          {"textShadow", kShadow},
                          {"childorder", "textShadow_1,frame_2"},
                          {"children",
                           {{"frame_2", inner},
                            {"textShadow_1",
                             {{"type", "UIView"}, {"childorder", "frame_1_1"}, {"children", {{"frame_1_1", inner}}}}}}}};
  EXPECT_EQ(copy, expected);
  EXPECT_EQ(copy["children"].begin().key(), "frame_2") << "the children keep their places";
  for (const char* name : {"frame_2", "textShadow_1", "frame_1_1"}) {
    EXPECT_NE(std::find(taken.begin(), taken.end(), name), taken.end()) << name;
  }
}

TEST(DuplicateChildNames, AChildThatClashesWithNothingKeepsItsNameAndNoFreshNameTakesIt) {
  const Value element = {{"type", "UIView"},
                         {"childorder", "x,x_1,none"},
                         {"children", {{"x", {{"type", "UILabel"}}}, {"x_1", {{"type", "UILabel"}}}}}};
  std::vector<std::string> taken = {"x"};

  const Value copy = withFreshNames(element, taken);

  EXPECT_EQ(copy["children"].size(), 2U);
  EXPECT_TRUE(copy["children"].contains("x_1"));
  EXPECT_TRUE(copy["children"].contains("x_2"));
  EXPECT_EQ(copy["childorder"], "x_2,x_1,none") << "an entry that names no child stays as it was";
}

TEST(DuplicateChildNames, AnElementWithoutChildrenOrWithOddOnesIsCopiedUnchanged) {
  const Value cases[] = {
      {{"type", "UILabel"}, {"frame", kFrame}},
      {{"type", "UIView"}, {"children", "none"}, {"childorder", "a"}},
      Value::array({1, 2}),
  };
  for (const Value& element : cases) {
    std::vector<std::string> taken = {"a"};
    EXPECT_EQ(withFreshNames(element, taken), element) << element.dump();
  }
}

}  // namespace
}  // namespace vantile::testing
