#include "settings/editing/ThemeEditorPane.h"

#include "editor/CreatorView.h"
#include "platform/foundation/files/SystemLog.h"
#include "settings/editing/SaveThemePrompt.h"

namespace vantile::settings {

void ThemeEditorPane::openEditor() {
  saveTheme_ = platform::ui::BarButtonItem::make("Save Theme", [weak = weak_from_this()] {
    if (const auto strong = std::static_pointer_cast<ThemeEditorPane>(weak.lock())) strong->saveTheme();
  });
  navigationItem().setRightBarButtonItem(saveTheme_);

  CreatorView& canvas = CreatorView::sharedInstance();
  canvas.selectedTheme = std::string(startingTheme);
  const auto paneView = view();
  loadedCreatorView_ = canvas.setupMainView(paneView);
  if (!loadedCreatorView_) {
    platform::foundation::systemLog("The editor pane: the editor canvas gave no view");
    return;
  }
  paneView->addSubview(loadedCreatorView_);
}

void ThemeEditorPane::saveTheme() {
  presentViewController(makeSaveThemePrompt(promptedName(CreatorView::sharedInstance().selectedTheme)), true);
}

}  // namespace vantile::settings
