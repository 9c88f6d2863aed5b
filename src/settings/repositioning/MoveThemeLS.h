#pragma once

#include <memory>
#include <string_view>

#include "platform/preferences/ListController.h"

namespace vantile::settings {

// The pane that moves the lock-screen theme: no rows of its own, its view filled by the
// shared MoveThemeView set up for "lockscreen".
class MoveThemeLS : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "MoveThemeLS";

  static std::shared_ptr<MoveThemeLS> make();

  explicit MoveThemeLS(ConstructionKey key);

  const std::shared_ptr<platform::ui::View>& moveThemeView() const { return moveThemeView_; }

 private:
  std::shared_ptr<platform::ui::View> moveThemeView_;
};

}  // namespace vantile::settings
