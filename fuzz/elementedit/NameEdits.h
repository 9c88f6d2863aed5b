#pragma once

#include "elementedit/FuzzedNames.h"

namespace fuzzing {

// The naming rules on the input's names, every element of the theme renamed to each of them,
// and a bulk creator's tree built, renamed and pruned with them.
void runNameEdits(const ElementEditInput& input);

}  // namespace fuzzing
