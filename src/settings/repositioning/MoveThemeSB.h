#pragma once

#include <memory>
#include <string_view>

#include "platform/preferences/ListController.h"

namespace vantile::settings {

// The pane that moves the home-screen theme: no rows of its own, its view filled by the
// shared MoveThemeView set up for "homescreen".
class MoveThemeSB : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "MoveThemeSB";

  static std::shared_ptr<MoveThemeSB> make();

  explicit MoveThemeSB(ConstructionKey key);

  const std::shared_ptr<platform::ui::View>& moveThemeView() const { return moveThemeView_; }

 private:
  std::shared_ptr<platform::ui::View> moveThemeView_;
};

}  // namespace vantile::settings
