#pragma once

#include "elementedit/FuzzedNames.h"

namespace fuzzing {

// The inspector's rows of each named element, its keys in their own order and then the input's names.
void runRowLayouts(const ElementEditInput& input);

}  // namespace fuzzing
