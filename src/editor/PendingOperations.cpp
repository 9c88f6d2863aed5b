// Operations of the canvas whose groups are being written; each group removes its section.
#include "editor/CreatorView.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {


// --- selection ---

void CreatorView::selectView(platform::ui::GestureRecognizer&) {}
void CreatorView::loadElementOptions(const std::string&) {}
void CreatorView::showHintLabel(const std::string&) {}
void CreatorView::hideHintLabel() {}
void CreatorView::showHighlightViewWithName(const std::string&) {}
void CreatorView::resetHighlightView() {}
void CreatorView::addDragFunctionalityToSelectedElement(const std::string&) {}
void CreatorView::removeAllElementDragGestures() {}
void CreatorView::removeElementDragGesturesFromView(platform::ui::View&) {}
void CreatorView::addResizeHandlesToElement(const std::shared_ptr<platform::ui::View>&, const std::string&) {}
void CreatorView::removeResizeHandles() {}
void CreatorView::updateWidthResizeHandlePosition() {}
void CreatorView::updateHeightResizeHandlePosition() {}
platform::graphics::Rect CreatorView::addParentXY(platform::graphics::Rect rect, const platform::ui::View&) const {
  return rect;
}

// --- element list ---

void CreatorView::setupScrollview() {}
void CreatorView::reloadScrollview() {}
void CreatorView::reloadScrollviewResetPosition() {}
void CreatorView::refreshScrollview() {}
void CreatorView::createScrollviewFromChildren(const platform::Value&, const platform::Value&) {}
void CreatorView::createScrollviewFromChildrenAsync(const platform::Value&, const platform::Value&) {}
void CreatorView::completeAsyncLoading() {}
void CreatorView::createLabelForElement(const std::string&, const platform::Value&, platform::ui::StackView&, bool) {}
std::int64_t CreatorView::countTotalElements(const platform::Value&, const platform::Value*) { return 0; }
void CreatorView::hideShowChildren(const std::string&, const std::shared_ptr<platform::ui::View>&,
                                   const platform::Value&, bool) {}
void CreatorView::restoreExpandedState() {}
void CreatorView::updateExpandedStateVisuals() {}
void CreatorView::showLoadingIndicator() {}
void CreatorView::hideLoadingIndicator() {}
void CreatorView::checkIfShouldAllow(platform::ui::View&, const std::string&) const {}
std::shared_ptr<platform::ui::View> CreatorView::findViewWithTag(std::int32_t, const std::shared_ptr<platform::ui::View>&) {
  return nullptr;
}
bool CreatorView::isElementDescendantOf(std::string_view, std::string_view) const { return false; }
std::string CreatorView::padStringWithSpaces(const std::string& text, std::size_t) { return text; }
void CreatorView::handleTap(platform::ui::GestureRecognizer&) {}

}  // namespace vantile
