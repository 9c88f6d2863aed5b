// The container and scroll-view edits behind these taps come with the tree-edit handler's own
// change; until then the rows' taps do nothing.
#include "inspector/actions/ElementOptionActionHandler.h"

namespace vantile {

void ElementOptionActionHandler::addToUIView(platform::ui::GestureRecognizer&) {}
void ElementOptionActionHandler::moveFromUIView(platform::ui::GestureRecognizer&) {}
void ElementOptionActionHandler::moveToUIView(platform::ui::GestureRecognizer&) {}
void ElementOptionActionHandler::addToScrollview(platform::ui::GestureRecognizer&) {}
void ElementOptionActionHandler::removeFromScrollview(platform::ui::GestureRecognizer&) {}

}  // namespace vantile
