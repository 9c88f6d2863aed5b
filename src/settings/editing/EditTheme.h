#pragma once

#include <memory>
#include <string_view>

#include "settings/editing/ThemeEditorPane.h"

namespace vantile::settings {

// The pane that changes an installed theme: the editor with the installed themes' grid over
// it as a chooser; the save prompt always shows the theme being edited.
class EditTheme : public ThemeEditorPane {
 public:
  static constexpr std::string_view className = "EditTheme";

  static std::shared_ptr<EditTheme> make();

  explicit EditTheme(ConstructionKey key) : ThemeEditorPane(key) {}

 protected:
  std::string promptedName(std::string_view selectedTheme) const override;
};

}  // namespace vantile::settings
