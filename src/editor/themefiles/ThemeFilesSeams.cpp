// What the theme files hand on to operations of later issues; each does what exists (nothing yet).
#include "editor/CreatorView.h"

namespace vantile {

// The theme chooser is the theme library's grid (CreatorThemeDownloader), which comes with the
// theme library issue; its completion loads the picked theme with loadThemeFile.
void CreatorView::loadThemePicker() {}

}  // namespace vantile
