#pragma once

#include <memory>
#include <string_view>

#include "settings/editing/ThemeEditorPane.h"

namespace vantile::settings {

// The pane that starts a theme: the editor on the starting theme; the save prompt starts empty
// for the starting theme.
class CreateTheme : public ThemeEditorPane {
 public:
  static constexpr std::string_view className = "CreateTheme";

  static std::shared_ptr<CreateTheme> make();

  explicit CreateTheme(ConstructionKey key) : ThemeEditorPane(key) {}

 protected:
  std::string promptedName(std::string_view selectedTheme) const override;
};

}  // namespace vantile::settings
