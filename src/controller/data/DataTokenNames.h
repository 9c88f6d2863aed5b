#pragma once

#include <string_view>
#include <vector>

namespace vantile {

// The names inside "[" and the nearest "]" on the same line, left to right, duplicates included:
// the data tokens of a text, for the tweak and the theme editor alike.
std::vector<std::string_view> dataTokenNames(std::string_view text);

}  // namespace vantile
