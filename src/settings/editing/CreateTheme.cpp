#include "settings/editing/CreateTheme.h"

#include "settings/editing/SaveThemePrompt.h"

namespace vantile::settings {

std::shared_ptr<CreateTheme> CreateTheme::make() {
  auto pane = std::make_shared<CreateTheme>(ConstructionKey{});
  pane->openEditor();
  return pane;
}

std::string CreateTheme::promptedName(std::string_view selectedTheme) const {
  return selectedTheme == startingTheme ? std::string() : themeNameWithoutExtensions(selectedTheme);
}

}  // namespace vantile::settings
