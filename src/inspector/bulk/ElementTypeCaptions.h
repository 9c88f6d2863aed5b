#pragma once

#include <string>
#include <string_view>

namespace vantile {

// The short description shown under an element type's name; "" for templates and other names.
std::string elementTypeCaption(std::string_view type);

}  // namespace vantile
