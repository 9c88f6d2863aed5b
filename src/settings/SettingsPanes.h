#pragma once

namespace vantile::settings {

// Registers the bundle's pane classes by name with the settings-pane framework.
void registerPanes();

}  // namespace vantile::settings
