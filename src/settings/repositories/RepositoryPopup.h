#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace vantile::settings::repositories {

// A small dark box with one line of text in the middle of `bounds`, shown while something loads.
std::shared_ptr<platform::ui::View> loadingPopup(const std::string& text, const platform::graphics::Rect& bounds);

}  // namespace vantile::settings::repositories
