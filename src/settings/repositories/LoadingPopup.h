#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace vantile::settings::repositories {

// The library's "please wait" box ("Loading Repos", "Downloading Theme"): one line of white text
// on a dark blur, in the middle of the main screen.
std::shared_ptr<platform::ui::View> loadingPopup(const std::string& text);

}  // namespace vantile::settings::repositories
