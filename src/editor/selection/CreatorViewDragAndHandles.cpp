// The drag gesture and the two resize handles of the selected element.
#include "editor/CreatorView.h"
#include "editor/selection/HighlightOption.h"
#include "editor/selection/ResizeHandleGeometry.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"

namespace vantile {

namespace {

constexpr const char* kDragMark = "isElementDragGesture";

std::shared_ptr<platform::ui::PanGestureRecognizer> oneFingerPan(platform::ui::GestureRecognizer::Action action) {
  auto pan = platform::ui::PanGestureRecognizer::make(std::move(action));
  pan->setMinimumNumberOfTouches(1);
  pan->setMaximumNumberOfTouches(1);
  return pan;
}

std::shared_ptr<platform::ui::View> makeHandle(const platform::graphics::Rect& frame) {
  auto handle = platform::ui::View::make(frame);
  handle->setBackgroundColor(ResizeHandleGeometry::color);
  handle->layer()->setCornerRadius(ResizeHandleGeometry::cornerRadius);
  return handle;
}

}  // namespace

void CreatorView::addDragFunctionalityToSelectedElement(const std::string& name) {
  removeAllElementDragGestures();
  removeResizeHandles();
  const std::shared_ptr<platform::ui::View> elementView = selectableElementView(name);
  if (!elementView || elementView == display || elementView == creatorView) return;
  auto pan = oneFingerPan([canvas = weakCanvas()](platform::ui::GestureRecognizer& recognizer) {
    if (const auto strong = canvas.lock()) strong->moveElement(recognizer);
  });
  pan->setAssociatedValue(kDragMark, true);
  elementView->addGestureRecognizer(std::move(pan));
  addResizeHandlesToElement(elementView, name);
}

void CreatorView::removeAllElementDragGestures() {
  if (display) removeElementDragGesturesFromView(*display);
}

void CreatorView::removeElementDragGesturesFromView(platform::ui::View& view) {
  const auto recognizers = view.gestureRecognizers();
  for (const auto& recognizer : recognizers) {
    const bool isPan = dynamic_cast<const platform::ui::PanGestureRecognizer*>(recognizer.get()) != nullptr;
    const std::optional<platform::Value> mark = recognizer->associatedValue(kDragMark);
    if (isPan && mark && mark->is_boolean() && mark->get<bool>()) view.removeGestureRecognizer(*recognizer);
  }
  for (const auto& subview : view.subviews()) removeElementDragGesturesFromView(*subview);
}

void CreatorView::addResizeHandlesToElement(const std::shared_ptr<platform::ui::View>& elementView,
                                            const std::string& name) {
  removeResizeHandles();
  if (!elementView || !creatorView || !highlightOptionIsOn()) return;
  const platform::graphics::Rect rectangle = canvasRectangle(*elementView);

  widthResizeHandle = makeHandle(ResizeHandleGeometry::widthHandleFrame(rectangle));
  auto widthPan = oneFingerPan([canvas = weakCanvas()](platform::ui::GestureRecognizer& recognizer) {
    if (const auto strong = canvas.lock()) strong->resizeElementWidth(recognizer);
  });
  widthPan->setAssociatedValue("elementName", name);
  widthPan->setAssociatedValue("isWidthResizeGesture", true);
  widthResizeHandle->addGestureRecognizer(std::move(widthPan));

  heightResizeHandle = makeHandle(ResizeHandleGeometry::heightHandleFrame(rectangle));
  auto heightPan = oneFingerPan([canvas = weakCanvas()](platform::ui::GestureRecognizer& recognizer) {
    if (const auto strong = canvas.lock()) strong->resizeElementHeight(recognizer);
  });
  heightPan->setAssociatedValue("elementName", name);
  heightPan->setAssociatedValue("isHeightResizeGesture", true);
  heightResizeHandle->addGestureRecognizer(std::move(heightPan));

  creatorView->addSubview(widthResizeHandle);
  creatorView->addSubview(heightResizeHandle);
}

void CreatorView::removeResizeHandles() {
  isResizingWidth = false;
  isResizingHeight = false;
  if (widthResizeHandle) widthResizeHandle->removeFromSuperview();
  if (heightResizeHandle) heightResizeHandle->removeFromSuperview();
}

void CreatorView::updateWidthResizeHandlePosition() {
  if (!widthResizeHandle || selectedElement == "none") return;
  if (const auto elementView = selectableElementView(selectedElement)) {
    widthResizeHandle->setFrame(ResizeHandleGeometry::widthHandleFrame(canvasRectangle(*elementView)));
  }
}

void CreatorView::updateHeightResizeHandlePosition() {
  if (!heightResizeHandle || selectedElement == "none") return;
  if (const auto elementView = selectableElementView(selectedElement)) {
    heightResizeHandle->setFrame(ResizeHandleGeometry::heightHandleFrame(canvasRectangle(*elementView)));
  }
}

}  // namespace vantile
