#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace vantile::springboard {

// The theme controller's root view for a theme file and a location ("lockscreen" or
// "homescreen"): the theme, a placeholder when the file is missing, or nothing.
std::shared_ptr<platform::ui::View> buildThemeView(const std::string& themePath, const std::string& location);

}  // namespace vantile::springboard
