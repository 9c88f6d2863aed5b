#pragma once

namespace vantile::integration {

// Connects the live data providers: the controller's tokens, music, battery, power, signal and
// snapshots, the engine's live bar pictures, the tweak's weather hooks (the enabled switch and
// the forecast models of the replaced setter) and the weather animations each forecast starts.
void connectDataProviders();

}  // namespace vantile::integration
