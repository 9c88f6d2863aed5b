#pragma once

#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

namespace InspectorKeyOrder {

// The order of the inspector's rows: the keys people edit most, in a fixed order, then every
// other key of the element in its own order ("type" and "children" too; the inspector skips them).
std::vector<std::string> customOrder(const platform::Value& element);

}  // namespace InspectorKeyOrder

}  // namespace vantile
