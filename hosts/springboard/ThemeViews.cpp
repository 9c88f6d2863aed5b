#include "ThemeViews.h"

#include "controller/VantileController.h"

namespace vantile::springboard {

std::shared_ptr<platform::ui::View> buildThemeView(const std::string& themePath, const std::string& location) {
  return VantileController::sharedInstance()->createViewFromTheme(themePath, location);
}

}  // namespace vantile::springboard
