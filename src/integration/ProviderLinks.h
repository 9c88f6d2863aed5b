#pragma once

namespace vantile::integration {

// Connects the live data providers: the controller's tokens, music, battery, snapshots and
// weather icons, the engine's live bar pictures, and the tweak's weather hooks (the enabled
// switch and the forecast models of the replaced setter).
void connectDataProviders();

}  // namespace vantile::integration
