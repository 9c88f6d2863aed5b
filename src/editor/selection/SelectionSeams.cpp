// What selecting an element hands on to operations of later issues; each does nothing yet.
#include "editor/CreatorView.h"

namespace vantile {

// The theme backup under "themeBackup" comes with the templates and backup issue.
void CreatorView::backupTheme() {}

// The inspector builder (ElementOptionsBuilder) comes with the inspector issue.
void CreatorView::showElementInspector(const std::string&) {}

}  // namespace vantile
