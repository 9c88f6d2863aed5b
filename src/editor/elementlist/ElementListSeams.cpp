// What the element list hands on to operations of later issues; each does nothing yet.
#include "editor/CreatorView.h"

namespace vantile {

// The jump-to picker comes with the element list actions issue.
void CreatorView::showElementStyles() {}

// The add row opens the bulk element creator, which comes with the adding issue.
void CreatorView::addNewElement() {}

// Selecting the button's element and then duplicating ("copy"), deleting ("remove") or the
// extras sheet ("lockhide") come with the element list actions issue.
void CreatorView::handleElementRowButton(const std::string&, const std::string&) {}

}  // namespace vantile
