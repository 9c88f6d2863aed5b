#include "integration/TweakState.h"

namespace vantile::integration {

TweakState& tweakState() {
  static TweakState state;
  return state;
}

}  // namespace vantile::integration
