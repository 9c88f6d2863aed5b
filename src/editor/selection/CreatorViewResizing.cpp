// Resizing the selected element by its two handles, and keeping "center" axes centred.
#include <string>

#include "editor/CreatorView.h"
#include "editor/selection/SnapArithmetic.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using State = platform::ui::GestureRecognizer::State;

bool isCenter(const platform::Value& frame, const char* axis) {
  const auto value = frame.find(axis);
  return value != frame.end() && value->is_string() && value->get<std::string>() == "center";
}

}  // namespace

void CreatorView::resizeElementWidth(platform::ui::GestureRecognizer& recognizer) {
  resizeElement(recognizer, ResizeAxis::width);
}

void CreatorView::resizeElementHeight(platform::ui::GestureRecognizer& recognizer) {
  resizeElement(recognizer, ResizeAxis::height);
}

void CreatorView::resizeElement(platform::ui::GestureRecognizer& recognizer, ResizeAxis axis) {
  auto* pan = dynamic_cast<platform::ui::PanGestureRecognizer*>(&recognizer);
  const std::optional<platform::Value> mark = recognizer.associatedValue("elementName");
  if (!pan || !mark || !mark->is_string() || !display) return;
  const std::string name = mark->get<std::string>();
  const auto tag = creatorTags.find(name);
  if (tag == creatorTags.end() || tag->second == 0) return;
  const std::shared_ptr<platform::ui::View> element = findViewWithTag(tag->second, display);
  if (!element) return;

  const bool isWidth = axis == ResizeAxis::width;
  const State state = recognizer.state();
  if (state == State::ended || state == State::cancelled) {
    finishResize(*element, name, axis);
    return;
  }
  if (state == State::began) (isWidth ? isResizingWidth : isResizingHeight) = true;

  const std::shared_ptr<platform::ui::View> handle = recognizer.view();
  const platform::ui::View* handleParent = handle ? handle->superview().get() : nullptr;
  const graphics::Point travel = pan->translationInView(handleParent).value_or(graphics::Point{});
  graphics::Rect frame = element->frame();
  double& length = isWidth ? frame.size.width : frame.size.height;
  length = SnapArithmetic::draggedLength(length, isWidth ? travel.x : travel.y);
  element->setFrame(frame);
  followElementWithSelection(*element);
  updateSizeTextField(*element, name, axis);
  // Written as it stands; only the release puts it on the grid.
  if (isWidth) {
    saveWidthToCreatorPreset(name, length);
  } else {
    saveHeightToCreatorPreset(name, length);
  }
  pan->setTranslation({0, 0}, handleParent);
}

void CreatorView::finishResize(platform::ui::View& element, const std::string& name, ResizeAxis axis) {
  const bool isWidth = axis == ResizeAxis::width;
  (isWidth ? isResizingWidth : isResizingHeight) = false;
  graphics::Rect frame = element.frame();
  double& length = isWidth ? frame.size.width : frame.size.height;
  length = SnapArithmetic::releasedLength(length);
  if (isWidth) {
    saveWidthToCreatorPreset(name, length);
  } else {
    saveHeightToCreatorPreset(name, length);
  }
  element.setFrame(frame);
  followElementWithSelection(element);
  updateSizeTextField(element, name, axis);
  recenterElementWithCenterPositioning(element, name);
  reloadTheme();
  showHighlightViewWithName(selectedElement);
  addDragFunctionalityToSelectedElement(selectedElement);
}

void CreatorView::updateWidthTextField(const platform::ui::View& element, const std::string& name) {
  updateSizeTextField(element, name, ResizeAxis::width);
}

void CreatorView::updateHeightTextField(const platform::ui::View& element, const std::string& name) {
  updateSizeTextField(element, name, ResizeAxis::height);
}

void CreatorView::updateSizeTextField(const platform::ui::View& element, const std::string& name, ResizeAxis axis) {
  if (name != selectedElement) return;
  const graphics::Size size = element.frame().size;
  if (axis == ResizeAxis::width) {
    fillInspectorFields({{"frame~width", SnapArithmetic::wholeNumberText(size.width)}});
  } else {
    fillInspectorFields({{"frame~height", SnapArithmetic::wholeNumberText(size.height)}});
  }
}

void CreatorView::saveWidthToCreatorPreset(const std::string& name, double newWidth) {
  saveFrameEntries(name, {{"width", SnapArithmetic::wholeNumberText(newWidth)}});
}

void CreatorView::saveHeightToCreatorPreset(const std::string& name, double newHeight) {
  saveFrameEntries(name, {{"height", SnapArithmetic::wholeNumberText(newHeight)}});
}

void CreatorView::recenterElementWithCenterPositioning(platform::ui::View& element, const std::string& name) {
  const std::shared_ptr<platform::ui::View> parent = element.superview();
  const std::optional<platform::Value> stored = dictHelpers.findElementInDictionary(name);
  if (!parent || !stored || !stored->is_object()) return;
  const auto storedFrame = stored->find("frame");
  if (storedFrame == stored->end() || !storedFrame->is_object()) return;

  const bool centreX = isCenter(*storedFrame, "x");
  const bool centreY = isCenter(*storedFrame, "y");
  if (!centreX && !centreY) return;
  const graphics::Size parentSize = parent->bounds().size;
  graphics::Rect frame = element.frame();
  if (centreX) frame.origin.x = SnapArithmetic::centredOrigin(parentSize.width, frame.size.width);
  if (centreY) frame.origin.y = SnapArithmetic::centredOrigin(parentSize.height, frame.size.height);
  element.setFrame(frame);
  followElementWithSelection(element);
}

}  // namespace vantile
