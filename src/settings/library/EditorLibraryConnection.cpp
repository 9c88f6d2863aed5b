#include "settings/library/EditorLibraryConnection.h"

#include "editor/themefiles/ThemeLibraryHooks.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/FirstRepositoryCatalogue.h"

namespace vantile::settings {

void connectEditorToLibrary() {
  ThemeLibraryHooks& hooks = themeLibraryHooks();
  hooks.openThemePicker = [](const std::shared_ptr<platform::ui::View>& host, ThemeLibraryHooks::Picked picked) {
    return CreatorThemeDownloader::sharedInstance().setupMainView(host, platform::Value::object(), false,
                                                                  std::move(picked));
  };
  hooks.fetchCatalogue = [](std::function<void(const platform::Value&)> arrived) {
    fetchFirstRepositoryCatalogue(std::move(arrived));
  };
  hooks.openLibrary = [](const std::shared_ptr<platform::ui::View>& host, const platform::Value& catalogue) {
    return CreatorThemeDownloader::sharedInstance().setupMainView(host, catalogue, false, {});
  };
}

}  // namespace vantile::settings
