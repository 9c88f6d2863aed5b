#include "settings/editing/CreateTheme.h"

#include "editor/CreatorView.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile::settings {

std::shared_ptr<CreateTheme> CreateTheme::make() {
  auto pane = std::make_shared<CreateTheme>(ConstructionKey{});
  pane->openEditor();
  return pane;
}

CreateTheme::CreateTheme(ConstructionKey key) : ListController(key) {}

void CreateTheme::openEditor() {
  CreatorView& canvas = CreatorView::sharedInstance();
  canvas.selectedTheme = std::string(startingTheme);
  const auto paneView = view();
  loadedCreatorView_ = canvas.setupMainView(paneView);
  if (!loadedCreatorView_) {
    platform::foundation::systemLog("CreateTheme: the editor canvas gave no view");
    return;
  }
  paneView->addSubview(loadedCreatorView_);
}

}  // namespace vantile::settings
