// What selecting an element hands on to operations of later issues; each does nothing yet.
#include "editor/CreatorView.h"

namespace vantile {

// The inspector builder (ElementOptionsBuilder) comes with the inspector issue.
void CreatorView::showElementInspector(const std::string&) {}

// Moving and resizing by the drag gesture and the handles come with the dragging issue.
void CreatorView::moveElement(platform::ui::GestureRecognizer&) {}
void CreatorView::resizeElementWidth(platform::ui::GestureRecognizer&) {}
void CreatorView::resizeElementHeight(platform::ui::GestureRecognizer&) {}

}  // namespace vantile
