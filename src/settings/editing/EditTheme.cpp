#include "settings/editing/EditTheme.h"

#include "editor/CreatorView.h"
#include "settings/editing/SaveThemePrompt.h"
#include "settings/library/EditorLibraryConnection.h"

namespace vantile::settings {

std::shared_ptr<EditTheme> EditTheme::make() {
  auto pane = std::make_shared<EditTheme>(ConstructionKey{});
  pane->addSaveThemeButton();
  pane->showEditor();
  connectEditorToLibrary();
  CreatorView::sharedInstance().loadThemePicker();
  return pane;
}

std::string EditTheme::promptedName(std::string_view selectedTheme) const {
  return themeNameWithoutExtensions(selectedTheme);
}

}  // namespace vantile::settings
