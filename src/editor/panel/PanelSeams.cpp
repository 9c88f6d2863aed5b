// "Download Themes": the first built-in repository's catalogue opens the theme library over the editor.
#include "editor/CreatorView.h"
#include "editor/themefiles/ThemeLibraryHooks.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

void CreatorView::fetchThemeCatalogue() {
  const ThemeLibraryHooks& hooks = themeLibraryHooks();
  if (!hooks.fetchCatalogue || !hooks.openLibrary) {
    platform::foundation::systemLog("Download Themes: there is no theme library to open.");
    return;
  }
  // Without an answer the options menu stays open.
  hooks.fetchCatalogue([canvas = weakCanvas()](const platform::Value& catalogue) {
    const auto strong = canvas.lock();
    const ThemeLibraryHooks& library = themeLibraryHooks();
    if (!strong || !strong->mainView || !library.openLibrary) return;
    strong->closeSettingsPicker();
    if (auto shown = library.openLibrary(strong->mainView, catalogue)) strong->mainView->addSubview(shown);
  });
}

}  // namespace vantile
