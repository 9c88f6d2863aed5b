#include "settings/SettingsPanes.h"

// The library's entry point: run when it is loaded, as the Settings app finds the bundle's classes.
extern "C" {

__attribute__((visibility("default"), constructor)) void registerVantilePanes() { vantile::settings::registerPanes(); }
}
