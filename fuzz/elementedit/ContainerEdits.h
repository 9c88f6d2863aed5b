#pragma once

#include "elementedit/FuzzedNames.h"

namespace fuzzing {

// Every move into, out of and between containers that the tree allows, among the input's names,
// and copies of the elements with fresh child names; checked where names are unique.
void runContainerEdits(const ElementEditInput& input);

}  // namespace fuzzing
