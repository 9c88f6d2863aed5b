#include "settings/editing/SaveThemePrompt.h"

#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "editor/themefiles/ThemeFileNames.h"
#include "platform/ui/input/TextField.h"

namespace vantile::settings {

std::string themeNameWithoutExtensions(std::string_view selectedTheme) {
  constexpr std::string_view kExtension = ".json";
  std::string name(selectedTheme);
  for (std::size_t at = name.find(kExtension); at != std::string::npos; at = name.find(kExtension, at)) {
    name.erase(at, kExtension.size());
  }
  return name;
}

std::shared_ptr<platform::ui::AlertController> makeSaveThemePrompt(std::string name) {
  auto prompt = makeEditorTextFieldAlert("Input a theme name", "Theme Name");
  prompt->textFields().front()->setText(std::move(name));
  prompt->addAction({"Cancel", platform::ui::AlertAction::Style::normal, {}});
  prompt->addAction({"Save", platform::ui::AlertAction::Style::normal,
                     [weakPrompt = std::weak_ptr<platform::ui::AlertController>(prompt)] {
                       if (const auto shown = weakPrompt.lock())
                         saveTypedThemeName(shown->textFields().front()->text());
                     }});
  return prompt;
}

void saveTypedThemeName(const std::string& typed) {
  CreatorView& canvas = CreatorView::sharedInstance();
  if (typed.empty()) {
    canvas.alertHasNoName();
    return;
  }
  canvas.saveThemeWithName(themeFileNameFromTyped(typed));
}

}  // namespace vantile::settings
