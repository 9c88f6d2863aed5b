#include "integration/TweakStartup.h"

// The library's entry points: run as its two initializers, in this order, when it is loaded.
extern "C" {

__attribute__((visibility("default"), constructor(101))) void installTweak() { vantile::integration::installTweak(); }

__attribute__((visibility("default"), constructor(102))) void readSystemVersion() {
  vantile::integration::readSystemVersion();
}
}
