#pragma once

#include <string_view>
#include <variant>

namespace vantile {

// The questions a save asks before it writes over an existing theme.
enum class ThemeSaveQuestion { overwriteTheme, replacePreview };

// What a save writes once the questions are answered; neither when the user said "No" to
// overwriting.
struct ThemeSaveSteps {
  bool writePreview = false;
  bool writeDocument = false;
  bool operator==(const ThemeSaveSteps&) const = default;
};

using ThemeSaveNext = std::variant<ThemeSaveQuestion, ThemeSaveSteps>;

// A new theme is written whole; an existing one is asked about first.
ThemeSaveNext firstSaveStep(bool documentExists);
// The answer to a question: the next question or the steps. The preview is asked about only
// when one exists.
ThemeSaveNext afterSaveAnswer(ThemeSaveQuestion question, bool yes, bool previewExists);

std::string_view saveQuestionText(ThemeSaveQuestion question);

}  // namespace vantile
