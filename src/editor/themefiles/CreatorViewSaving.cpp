// Saving the edited theme with its preview picture, and applying a saved theme to the tweak.
#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "editor/themefiles/ThemeApply.h"
#include "editor/themefiles/ThemeFileNames.h"
#include "editor/themefiles/ThemePreview.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

using platform::ui::AlertAction;

namespace {

// The preview's snapshot and the result alert wait for the screen to settle.
constexpr double kSaveSettleDelay = 0.5;

bool themeFileExists(std::string_view systemPath) {
  return platform::foundation::fileExists(platform::foundation::devicePath(systemPath));
}

}  // namespace

void CreatorView::saveTheme() {
  auto prompt = makeEditorTextFieldAlert("Input a theme name", "Theme Name");
  prompt->textFields().front()->setText(promptedThemeName(selectedTheme));
  prompt->addAction({"Cancel", AlertAction::Style::cancel, {}});
  prompt->addAction({"Save", AlertAction::Style::normal,
                     [canvas = weakCanvas(), weakPrompt = std::weak_ptr<platform::ui::AlertController>(prompt)] {
                       const auto strong = canvas.lock();
                       const auto shown = weakPrompt.lock();
                       if (!strong || !shown) return;
                       const std::string typed = shown->textFields().front()->text();
                       if (typed.empty()) {
                         strong->alertHasNoName();
                       } else {
                         strong->saveThemeWithName(themeFileNameFromTyped(typed));
                       }
                     }});
  presentEditorAlert(topViewController(), prompt);
}

void CreatorView::alertHasNoName() {
  presentEditorAlert(topViewController(),
                     makeEditorAlert("You must input a theme name to save a theme.",
                                     {{"Ok", AlertAction::Style::normal, [canvas = weakCanvas()] {
                                         if (const auto strong = canvas.lock()) strong->saveTheme();
                                       }}}));
}

void CreatorView::saveThemeWithName(const std::string& fileName) {
  if (refuseUserFileName(themeNameOfFile(fileName), "theme")) return;
  selectedTheme = fileName;
  continueSave(firstSaveStep(themeFileExists(themeDocumentPath(fileName))), fileName);
}

void CreatorView::continueSave(const ThemeSaveNext& next, const std::string& fileName) {
  if (const auto* question = std::get_if<ThemeSaveQuestion>(&next)) {
    askSaveQuestion(*question, fileName);
    return;
  }
  const auto& steps = std::get<ThemeSaveSteps>(next);
  // The preview's snapshot is scheduled first, so it is taken before the result alert shows.
  if (steps.writePreview) generateImage(themeNameOfFile(fileName));
  if (steps.writeDocument) saveThemeToFile(themeDocumentPath(fileName), fileName);
}

void CreatorView::askSaveQuestion(ThemeSaveQuestion question, const std::string& fileName) {
  const auto answer = [canvas = weakCanvas(), question, fileName](bool yes) {
    return [canvas, question, fileName, yes] {
      const auto strong = canvas.lock();
      if (!strong) return;
      const bool previewExists = themeFileExists(themePreviewPath(themeNameOfFile(fileName)));
      strong->continueSave(afterSaveAnswer(question, yes, previewExists), fileName);
    };
  };
  presentEditorAlert(topViewController(),
                     makeEditorAlert(std::string(saveQuestionText(question)),
                                     {{"No", AlertAction::Style::normal, answer(false)},
                                      {"Yes", AlertAction::Style::normal, answer(true)}}));
}

void CreatorView::saveThemeToFile(const std::string& path, const std::string& fileName) {
  const std::string document = creatorPreset.dump(2, ' ', false, platform::Value::error_handler_t::replace);
  std::optional<std::string> error;
  if (!platform::foundation::writeFileAtomically(platform::foundation::devicePath(path), document)) {
    error = "The file \"" + fileName + "\" could not be written; the theme file is unchanged.";
    platform::foundation::systemLog("The theme " + path + " could not be written.");
  }
  platform::foundation::MainQueue::shared().postAfter(kSaveSettleDelay, [canvas = weakCanvas(), error, fileName] {
    if (const auto strong = canvas.lock()) strong->themeSaved(error, fileName);
  });
}

void CreatorView::generateImage(const std::string& themeName) {
  hideHintLabel();
  refreshScrollview();
  resetHighlightView();
  closeSettingsPicker();
  // Only the panels shown now are hidden, and only those are shown again.
  std::vector<std::shared_ptr<platform::ui::View>> hiddenPanels;
  for (const std::shared_ptr<platform::ui::View>& panel :
       {gridView, std::shared_ptr<platform::ui::View>(elementOptions), menu}) {
    if (!panel || panel->isHidden()) continue;
    panel->setHidden(true);
    hiddenPanels.push_back(panel);
  }
  platform::foundation::MainQueue::shared().postAfter(
      kSaveSettleDelay, [canvas = weakCanvas(), path = themePreviewPath(themeName), hiddenPanels] {
        const auto strong = canvas.lock();
        if (strong && strong->mainView) {
          writeViewPreview(*strong->mainView, path);
        } else {
          platform::foundation::systemLog("No editor screen to take the preview " + path + " from.");
        }
        platform::foundation::MainQueue::shared().post([hiddenPanels] {
          for (const auto& panel : hiddenPanels) panel->setHidden(false);
        });
      });
}

void CreatorView::themeSaved(const std::optional<std::string>& error, const std::string& fileName) {
  std::vector<AlertAction> buttons{{"Ok", AlertAction::Style::normal, {}}};
  // Applying a theme that is not on disk would leave the tweak with nothing to show.
  if (themeFileExists(themeDocumentPath(fileName))) {
    for (const char* place : {"LS", "SB"}) {
      buttons.push_back({std::string("Apply to ") + place, AlertAction::Style::normal,
                         [canvas = weakCanvas(), fileName, place] {
                           if (const auto strong = canvas.lock()) strong->setThemeForTweak(fileName, place);
                         }});
    }
  }
  presentEditorAlert(topViewController(),
                     makeEditorAlert(error ? "Error saving theme: " + *error : "Theme has been saved", std::move(buttons)));
}

void CreatorView::setThemeForTweak(const std::string& name, const std::string& place) {
  applyThemeToTweak(name, place);
}

const platform::Value& CreatorView::getThemeInfo() { return sharedInstance().creatorPreset; }

}  // namespace vantile
