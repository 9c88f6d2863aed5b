#include "settings/editing/CreateTheme.h"

#include <cstdio>
#include <exception>

#include "editor/CreatorView.h"
#include "engine/helpers/VantileHelpers.h"
#include "settings/editing/SaveThemePrompt.h"

namespace vantile::settings {

namespace {

std::string described(std::string_view className, const void* object) {
  if (object == nullptr) return "(null)";
  char address[32];
  std::snprintf(address, sizeof address, "%p", object);
  return "<" + std::string(className) + ": " + address + ">";
}

}  // namespace

std::shared_ptr<CreateTheme> CreateTheme::make() {
  auto pane = std::make_shared<CreateTheme>(ConstructionKey{});
  pane->addSaveThemeButton();
  // The pane stays usable, with its button and perhaps without the editor, when setting the
  // canvas up fails.
  try {
    pane->showEditor();
  } catch (const std::exception& error) {
    VantileHelpers::writeToLog(std::string("CREATETHEME Error that occured is ") + error.what());
    VantileHelpers::writeToLog("Creator instance is " + described("CreatorView", &CreatorView::sharedInstance()));
    VantileHelpers::writeToLog("Creator view is " +
                               described(pane->loadedCreatorView() ? pane->loadedCreatorView()->className() : "",
                                         pane->loadedCreatorView().get()));
  }
  return pane;
}

std::string CreateTheme::promptedName(std::string_view selectedTheme) const {
  return selectedTheme == startingTheme ? std::string() : themeNameWithoutExtensions(selectedTheme);
}

}  // namespace vantile::settings
