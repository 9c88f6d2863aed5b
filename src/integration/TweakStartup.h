#pragma once

namespace vantile::integration {

// The two initializers, in this order: everything is installed, then the version is read.
void installTweak();
void readSystemVersion();

}  // namespace vantile::integration
