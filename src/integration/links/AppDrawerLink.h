#pragma once

namespace vantile::integration {

// Gives the theme controller the app drawer its actions and swipes open.
void connectAppDrawer();

}  // namespace vantile::integration
