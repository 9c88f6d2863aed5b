#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "editor/themefiles/ThemeSaveQuestions.h"

namespace vantile {
namespace {

// Answers the questions in turn until the flow gives its steps; the questions asked are recorded.
ThemeSaveSteps walk(bool documentExists, bool previewExists, const std::vector<bool>& answers,
                    std::vector<ThemeSaveQuestion>& asked) {
  ThemeSaveNext next = firstSaveStep(documentExists);
  for (const bool yes : answers) {
    const auto* question = std::get_if<ThemeSaveQuestion>(&next);
    if (question == nullptr) break;
    asked.push_back(*question);
    next = afterSaveAnswer(*question, yes, previewExists);
  }
  EXPECT_TRUE(std::holds_alternative<ThemeSaveSteps>(next)) << "the flow asks more than was answered";
  return std::holds_alternative<ThemeSaveSteps>(next) ? std::get<ThemeSaveSteps>(next) : ThemeSaveSteps{};
}

TEST(ThemeSaveQuestions, EachWayThroughTheQuestionsWritesWhatTheAnswersAllow) {
  using Q = ThemeSaveQuestion;
  const struct {
    bool documentExists;
    bool previewExists;
    std::vector<bool> answers;
    std::vector<Q> asked;
    ThemeSaveSteps steps;
  } cases[] = {
      {false, false, {}, {}, {.writePreview = true, .writeDocument = true}},
      // A preview without its document is simply replaced.
      {false, true, {}, {}, {.writePreview = true, .writeDocument = true}},
      {true, true, {false}, {Q::overwriteTheme}, {}},
      {true, false, {true}, {Q::overwriteTheme}, {.writePreview = true, .writeDocument = true}},
      {true, true, {true, false}, {Q::overwriteTheme, Q::replacePreview}, {.writePreview = false, .writeDocument = true}},
      {true, true, {true, true}, {Q::overwriteTheme, Q::replacePreview}, {.writePreview = true, .writeDocument = true}},
  };
  for (const auto& c : cases) {
    std::vector<Q> asked;
    EXPECT_EQ(walk(c.documentExists, c.previewExists, c.answers, asked), c.steps)
        << c.documentExists << c.previewExists << c.answers.size();
    EXPECT_EQ(asked, c.asked);
  }
}

}  // namespace
}  // namespace vantile
