#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile {

// Points every reference to the element `oldName` at `newName`, in every element of the
// "children" tree and below: the names in "followWidthItem", "styleOverride" and "cutWithView",
// the two names of a trigger rule ("triggerOnWake", "triggerOnUnlock", and
// "showWhenPlaying"/"showWhenCharging" in their trigger form), the target keys of an "animation"
// dictionary and the "trigger" pieces of its step strings. Whole names only: "clock" never
// touches "clock2".
void renameElementReferences(platform::Value& children, std::string_view oldName, const std::string& newName);

}  // namespace vantile
