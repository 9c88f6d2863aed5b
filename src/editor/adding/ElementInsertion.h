#pragma once

#include <optional>
#include <string>

#include "platform/foundation/values/Value.h"

namespace vantile {

inline constexpr const char* kRootElementName = "PresetView";

// The theme with the new element stored under `name` in the "children" of `parent` ("PresetView",
// or a parent not in the theme, is the top level), its own child orders repaired. At the top
// level the root's "order" (when it has one) lists the name; under a parent the element goes to
// the parent's 0, 0 (its width and height kept) and the parent's "order" (when it has one) and
// "childorder" list it. Nothing, with a log line, for a theme without a root element.
std::optional<platform::Value> withNewElement(const platform::Value& preset, platform::Value element,
                                              const std::string& name, const std::string& parent);

}  // namespace vantile
