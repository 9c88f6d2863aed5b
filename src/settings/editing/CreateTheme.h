#pragma once

#include <memory>
#include <string_view>

#include "platform/preferences/ListController.h"

namespace vantile::settings {

// The pane that starts a theme: no rows of its own, its view filled with the editor canvas
// opened on the starting theme. Every opening sets the shared canvas up again inside the new
// pane; the canvas's earlier root view stays with the earlier pane.
class CreateTheme : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "CreateTheme";
  static constexpr std::string_view startingTheme = "time.json";

  static std::shared_ptr<CreateTheme> make();

  explicit CreateTheme(ConstructionKey key);

  // The editor's root view in this pane's view; nothing when the canvas gave none.
  const std::shared_ptr<platform::ui::View>& loadedCreatorView() const { return loadedCreatorView_; }

 private:
  void openEditor();

  std::shared_ptr<platform::ui::View> loadedCreatorView_;
};

}  // namespace vantile::settings
