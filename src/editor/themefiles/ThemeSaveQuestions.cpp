#include "editor/themefiles/ThemeSaveQuestions.h"

namespace vantile {

namespace {
constexpr ThemeSaveSteps kWriteAll{.writePreview = true, .writeDocument = true};
}  // namespace

ThemeSaveNext firstSaveStep(bool documentExists) {
  if (documentExists) return ThemeSaveQuestion::overwriteTheme;
  return kWriteAll;
}

ThemeSaveNext afterSaveAnswer(ThemeSaveQuestion question, bool yes, bool previewExists) {
  switch (question) {
    case ThemeSaveQuestion::overwriteTheme:
      if (!yes) return ThemeSaveSteps{};
      if (previewExists) return ThemeSaveQuestion::replacePreview;
      return kWriteAll;
    case ThemeSaveQuestion::replacePreview:
      return ThemeSaveSteps{.writePreview = yes, .writeDocument = true};
  }
  return ThemeSaveSteps{};
}

std::string_view saveQuestionText(ThemeSaveQuestion question) {
  switch (question) {
    case ThemeSaveQuestion::overwriteTheme:
      return "Theme exist, do you wish to overwrite it?";
    case ThemeSaveQuestion::replacePreview:
      return "This theme has a preview image already, do you wish to replace it?";
  }
  return {};
}

}  // namespace vantile
