#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "controller/VantileController.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// Structural edits of a theme document by element name. Each returns a new document (or a new
// description) and leaves its argument unchanged, except removeRootChild, which edits the
// document its caller owns.
namespace PresetTree {

// The document with the element's description replaced at its key path; nothing for an empty path.
std::optional<platform::Value> withElement(const platform::Value& preset, const KeyPath& path,
                                           const platform::Value& element);
// Removes the root child and every occurrence of it in the root's "order" (when there is one).
void removeRootChild(platform::Value& preset, std::string_view name);
// The container's description without the child; "children" becomes an empty map when it was none.
platform::Value containerWithoutChild(const platform::Value& container, std::string_view name);
// The document whose root "order" has every occurrence of the name removed; unchanged without "order".
platform::Value withoutOrderEntry(const platform::Value& preset, std::string_view name);
// The document whose root "order" has the name appended; unchanged without "order".
platform::Value withOrderEntryAppended(const platform::Value& preset, const std::string& name);

}  // namespace PresetTree

}  // namespace vantile
