// The theme chooser: the library's grid of installed themes laid over the editor as a picker.
#include "editor/CreatorView.h"
#include "editor/themefiles/ThemeLibraryHooks.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

ThemeLibraryHooks& themeLibraryHooks() {
  static ThemeLibraryHooks hooks;
  return hooks;
}

void CreatorView::loadThemePicker() {
  const auto& open = themeLibraryHooks().openThemePicker;
  if (!open || !mainView) {
    platform::foundation::systemLog("The theme chooser cannot open: no theme library or no editor screen.");
    return;
  }
  // The picker is made after the completion that closes it, so the completion finds it here.
  auto shown = std::make_shared<std::weak_ptr<platform::ui::View>>();
  auto picker = open(mainView, [canvas = weakCanvas(), shown](const std::string& themeName) {
    const auto strong = canvas.lock();
    if (!strong) return;
    strong->loadThemeFile(themeName + ".json");
    if (const auto view = shown->lock()) view->removeFromSuperview();
  });
  if (!picker) return;
  *shown = picker;
  mainView->addSubview(picker);
}

}  // namespace vantile
