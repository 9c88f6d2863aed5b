#pragma once

#include "platform/foundation/queues/MainQueue.h"

namespace fuzzing {

// Opens the theme file "fuzzed.json" in a canvas of its own and edits it as a user would: draws
// it, selects a handful of its elements (and names it lacks) with their inspector, moves them
// between containers and scroll views, repairs child orders and duplicates them.
void editInCanvas(platform::foundation::MainQueue& queue);

}  // namespace fuzzing
