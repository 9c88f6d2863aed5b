#pragma once

#include <functional>

namespace vantile::testing {

// Runs the main queue, taking what other threads post to it, until `done` holds; false when it
// still does not after `limitSeconds` (a bound against hanging, not a measurement).
bool runMainQueueUntil(const std::function<bool()>& done, double limitSeconds = 10);

}  // namespace vantile::testing
