#pragma once

#include <set>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile {

using ElementNameSet = std::set<std::string, std::less<>>;

// Every element name of the "children" map and below.
void collectElementNames(const platform::Value& children, ElementNameSet& names);

// The template's element with each inner element renamed whose name the theme uses, that is the
// new element's own name, or that the template used already (depth first) — to its first
// numbered form free in both the theme and the template. Only keys of "children" maps change,
// so no style key is ever touched; each container's "childorder" follows its children's names.
platform::Value withUniqueInnerNames(const platform::Value& element, std::string_view newName,
                                     const ElementNameSet& themeNames);

}  // namespace vantile
