#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/preferences/ListController.h"
#include "platform/ui/navigation/BarButtonItem.h"

namespace vantile::settings {

// A pane filled with the shared editor canvas, opened on the starting theme, with "Save Theme"
// in its bar. Every opening sets the shared canvas up again inside the new pane; the canvas's
// earlier root view stays with the earlier pane.
class ThemeEditorPane : public platform::preferences::ListController {
 public:
  static constexpr std::string_view startingTheme = "time.json";

  explicit ThemeEditorPane(ConstructionKey key) : ListController(key) {}

  // The editor's root view in this pane's view; nothing until the canvas gave it.
  const std::shared_ptr<platform::ui::View>& loadedCreatorView() const { return loadedCreatorView_; }
  const std::shared_ptr<platform::ui::BarButtonItem>& saveThemeButton() const { return saveTheme_; }

  // The save-name prompt, presented by the pane.
  void saveTheme();

 protected:
  // The "Save Theme" button in the navigation bar.
  void addSaveThemeButton();
  // The shared canvas set to the starting theme, its root view added to this pane's view.
  void showEditor();
  // What the prompt's field starts with for the canvas's selected theme.
  virtual std::string promptedName(std::string_view selectedTheme) const = 0;

 private:
  std::shared_ptr<platform::ui::BarButtonItem> saveTheme_;
  std::shared_ptr<platform::ui::View> loadedCreatorView_;
};

}  // namespace vantile::settings
