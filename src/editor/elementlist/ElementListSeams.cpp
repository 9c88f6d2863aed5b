// What the element list hands on to operations of later issues; each does nothing yet.
#include "editor/CreatorView.h"

namespace vantile {

// The add row opens the bulk element creator, which comes with the inspector issue.
void CreatorView::addNewElement() {}

}  // namespace vantile
