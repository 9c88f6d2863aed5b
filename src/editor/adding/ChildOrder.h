#pragma once

#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The child order an element stores, from its "childorder" (names joined by ","): each listed
// name takes the child of that name, else the first child renamed from it ("name_<n>", as
// makeNewName renames) that no name lists; a name matching neither adds nothing. Every child the
// order leaves out follows in the map's own order, so no child is ever dropped. Without
// "childorder" the map's own order.
std::vector<std::string> getCorrectChildrenByOrder(const platform::Value& element);

// Stores the repaired "childorder" into every element of the "children" map that has children,
// at every depth; returns the same map.
platform::Value& resetChildOrderForElementDict(platform::Value& children);

// The element with its own "childorder" and those of its subtree repaired, when it has children.
platform::Value withRepairedChildOrders(platform::Value element);

// The element's "children" map; nothing when it has none (or not a map).
const platform::Value* childrenMapOf(const platform::Value& element);

std::string joinChildOrder(const std::vector<std::string>& names);
std::vector<std::string> splitChildOrder(const std::string& childOrder);

}  // namespace vantile
