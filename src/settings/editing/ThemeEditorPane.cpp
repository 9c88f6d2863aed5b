#include "settings/editing/ThemeEditorPane.h"

#include "editor/CreatorView.h"
#include "settings/editing/SaveThemePrompt.h"

namespace vantile::settings {

void ThemeEditorPane::addSaveThemeButton() {
  saveTheme_ = platform::ui::BarButtonItem::make("Save Theme", [weak = weak_from_this()] {
    if (const auto strong = std::static_pointer_cast<ThemeEditorPane>(weak.lock())) strong->saveTheme();
  });
  navigationItem().setRightBarButtonItem(saveTheme_);
}

void ThemeEditorPane::showEditor() {
  CreatorView& canvas = CreatorView::sharedInstance();
  canvas.selectedTheme = std::string(startingTheme);
  const auto paneView = view();
  loadedCreatorView_ = canvas.setupMainView(paneView);
  paneView->addSubview(loadedCreatorView_);
}

void ThemeEditorPane::saveTheme() {
  presentViewController(makeSaveThemePrompt(promptedName(CreatorView::sharedInstance().selectedTheme)), true);
}

}  // namespace vantile::settings
