#pragma once

#include <functional>

#include "platform/foundation/values/Value.h"

namespace vantile::settings {

// Fetches the catalogue of the first built-in repository on a worker. When an answer came,
// `arrived` runs on the main queue with it parsed (an empty dictionary for what is not JSON);
// without an answer nothing runs, and a log line says why.
void fetchFirstRepositoryCatalogue(std::function<void(const platform::Value&)> arrived);

}  // namespace vantile::settings
