#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The texts, orders and tree reads of the element list, apart from its views.
namespace ElementRowText {

// Every element row begins with this many spaces.
inline constexpr std::size_t kRowPrefix = 3;

// "↓(UIView) box(2)" collapsed, "↑(UIView) box(2)" expanded, for a container with children;
// "(UILabel) title" for everything else. Without the row's leading spaces.
std::string elementTitle(std::string_view type, std::string_view name, std::size_t childCount, bool isContainer,
                         bool expanded);

// The extra spaces of a nested row whose key path has `pathLength` entries (5 for a child of a
// top-level container, then 2 more per level): the length times 1 up to 5, 2 up to 7, else 3.
std::size_t nestedIndentation(std::size_t pathLength);

// The whole row text: the title after the row prefix, and for a nested row the indentation.
std::string rowText(std::string_view title, bool isNested, std::size_t pathLength);

// The names an order lists: an array's strings, a map's keys, else the children's keys.
std::vector<std::string> orderedNames(const platform::Value& children, const platform::Value* order);

bool isContainerType(std::string_view type);

// The element's "children" map when it has entries; nothing otherwise.
const platform::Value* nonEmptyChildren(const platform::Value& element);

}  // namespace ElementRowText

}  // namespace vantile
