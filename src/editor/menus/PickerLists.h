#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The lists the editor's menus and panels show, and the values a pick writes; pure.
namespace PickerLists {

// Sorted as Foundation's localized case-insensitive comparison sorts.
std::vector<std::string> sortedCaseInsensitive(std::vector<std::string> names);

// The layer-order list of a container: the children "childorder" names, last named first, then
// the children it leaves out (so none is lost); names of children that are gone are dropped.
// "none" or a missing order lists the children as they stand.
std::vector<std::string> childrenOrderList(std::string_view childorder, const platform::Value& children);

// The "childorder" text of what the layer-order panel saved (its list, last on top).
std::string childorderFromPanel(const std::vector<std::string>& saved);

// The "animation" text after toggling the target: the JSON text of the targets, "none" for none.
// Any value that is not a dictionary counts as no targets.
std::string animationWithToggledTarget(const platform::Value& animation, const std::string& target);

// The text with the data token "[key]" appended; a missing or non-text value and "none" count as
// empty.
std::string withDataToken(const platform::Value* text, std::string_view key);

}  // namespace PickerLists

}  // namespace vantile
