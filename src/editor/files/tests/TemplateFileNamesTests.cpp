#include <gtest/gtest.h>

#include <string>

#include "editor/files/TemplateFileNames.h"

namespace vantile::testing {
namespace {

struct TemplateNameCase {
  std::string typed;
  std::string fileName;
};

TEST(TemplateFileName, SpacesBecomeUnderscoresAndTheNameIsCapitalisedAsOneWord) {
  const TemplateNameCase cases[] = {
      {"my clock", "My_clock.json"}, {"MY CLOCK", "My_clock.json"}, {"my_clock", "My_clock.json"},
      {"my Clock", "My_clock.json"}, {"CLOCK", "Clock.json"},       {"UIView", "Uiview.json"},
      {"", ".json"},
  };
  for (const TemplateNameCase& test : cases) EXPECT_EQ(templateFileName(test.typed), test.fileName) << test.typed;
}

TEST(TemplateFileName, TheListedNameDropsOnlyTheFinalExtension) {
  EXPECT_EQ(templateNameOfFile("My_clock.json"), "My_clock");
  EXPECT_EQ(templateNameOfFile("A.json.json"), "A.json");
  EXPECT_EQ(templateNameOfFile("Plain"), "Plain");
}

}  // namespace
}  // namespace vantile::testing
