// What the increment pad hands on to operations of later work; each does what exists (nothing yet).
#include "editor/CreatorView.h"

namespace vantile {

// Scrolling the inspector to a row's button comes with the element list actions.
void CreatorView::scrollInspectorToStyle(const std::string&) {}

}  // namespace vantile
