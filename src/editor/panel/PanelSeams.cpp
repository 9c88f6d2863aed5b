// What the editor panel hands on to operations of later issues; each does nothing yet.
#include "editor/CreatorView.h"

namespace vantile {

// "Download Themes" fetches the first built-in repository's catalogue; its reply opens the theme
// library (CreatorThemeDownloader) with createThemePreviews. Both come with the theme library issue.
void CreatorView::fetchThemeCatalogue() {}

}  // namespace vantile
