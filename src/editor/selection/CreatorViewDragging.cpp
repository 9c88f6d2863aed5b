// Moving the selected element: the centre lock, the release snap, the grid and the position
// written back into the theme and shown in the inspector.
#include <cstdint>
#include <string>

#include "editor/CreatorView.h"
#include "editor/selection/HighlightOption.h"
#include "editor/selection/SnapArithmetic.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using State = platform::ui::GestureRecognizer::State;

constexpr double kMovedHighlightMargin = 2;

graphics::Point boundsCenter(const platform::ui::View& view) {
  const graphics::Rect bounds = view.bounds();
  return {bounds.size.width / 2, bounds.size.height / 2};
}

std::string gridText(double value) { return SnapArithmetic::wholeNumberText(SnapArithmetic::roundToGrid(value)); }

}  // namespace

void CreatorView::moveElement(platform::ui::GestureRecognizer& recognizer) {
  auto* pan = dynamic_cast<platform::ui::PanGestureRecognizer*>(&recognizer);
  const std::shared_ptr<platform::ui::View> element = recognizer.view();
  if (!pan || !element) return;
  const std::shared_ptr<platform::ui::View> parent = element->superview();
  const State state = recognizer.state();

  // The lock is tested against where the finger would put the element, so it lets go as soon as
  // the finger leaves the band, however slowly it moves.
  if (state == State::began || !dragCenterBeforeSnap) dragCenterBeforeSnap = element->center();
  if (const std::optional<graphics::Point> travel = pan->translationInView(parent.get())) {
    dragCenterBeforeSnap->x += travel->x;
    dragCenterBeforeSnap->y += travel->y;
  }
  element->setCenter(snapToCenterAxisIfNeeded(*dragCenterBeforeSnap, *element));
  pan->setTranslation({0, 0}, parent.get());
  followElementWithSelection(*element);
  savePositionToCreatorPreset(*element);
  updatePositionTextFields(*element);

  if (state != State::ended && state != State::cancelled) return;
  dragCenterBeforeSnap.reset();
  if (state == State::cancelled) return;
  if (!snapToCenterAndSaveIfNeeded(*element)) snapElementToGrid(*element);
  followElementWithSelection(*element);
  updatePositionTextFields(*element);
}

graphics::Point CreatorView::snapToCenterAxisIfNeeded(graphics::Point proposed,
                                                      const platform::ui::View& element) const {
  const std::shared_ptr<platform::ui::View> parent = element.superview();
  if (!parent) return proposed;
  return SnapArithmetic::snapToCenter(proposed, boundsCenter(*parent), SnapArithmetic::dragSnapDistance);
}

bool CreatorView::snapToCenterAndSaveIfNeeded(const platform::ui::View& element) {
  const std::optional<std::string> name = elementNameOfView(element);
  const std::shared_ptr<platform::ui::View> parent = element.superview();
  if (!name || !parent) return false;
  const graphics::Rect frame = element.frame();
  const SnapArithmetic::Axes centred = SnapArithmetic::axesNear({frame.midX(), frame.midY()}, boundsCenter(*parent),
                                                                SnapArithmetic::releaseSnapDistance);
  if (!centred.any()) return false;
  saveCenterPositionToCreatorPreset(element, *name, centred.x, centred.y);
  // The fields first show the numbers of this release; "center" replaces them after.
  platform::foundation::MainQueue::shared().post([canvas = weakCanvas(), name = *name, centred] {
    if (const auto strong = canvas.lock()) strong->updatePositionTextFieldsFromPreset(name, centred.x, centred.y);
  });
  return true;
}

void CreatorView::snapElementToGrid(platform::ui::View& element) {
  graphics::Rect frame = element.frame();
  frame.origin = {SnapArithmetic::roundToGrid(frame.origin.x), SnapArithmetic::roundToGrid(frame.origin.y)};
  element.setFrame(frame);
}

void CreatorView::updateHighlightViewForMovedElement(const platform::ui::View& element) {
  if (!highlightOptionIsOn() || !highlightView) return;
  graphics::Rect outline = canvasRectangle(element);
  outline.origin.x -= kMovedHighlightMargin;
  outline.origin.y -= kMovedHighlightMargin;
  outline.size.width += 2 * kMovedHighlightMargin;
  outline.size.height += 2 * kMovedHighlightMargin;
  highlightView->setFrame(outline);
}

void CreatorView::updatePositionTextFields(const platform::ui::View& element) {
  const std::optional<std::string> name = elementNameOfView(element);
  if (!name) return;
  const graphics::Point origin = element.frame().origin;
  updatePositionTextFieldsForElement(*name, origin.x, origin.y);
}

void CreatorView::updatePositionTextFieldsForElement(const std::string& name, double x, double y) {
  if (name != selectedElement) return;
  fillInspectorFields(
      {{"frame~x", SnapArithmetic::wholeNumberText(x)}, {"frame~y", SnapArithmetic::wholeNumberText(y)}});
}

void CreatorView::updatePositionTextFieldsFromPreset(const std::string& name, bool snapX, bool snapY) {
  if (name != selectedElement) return;
  FieldTexts texts;
  if (snapX) texts.emplace("frame~x", "center");
  if (snapY) texts.emplace("frame~y", "center");
  fillInspectorFields(texts);
}

void CreatorView::savePositionToCreatorPreset(const platform::ui::View& element) {
  const std::optional<std::string> name = elementNameOfView(element);
  if (!name) return;
  const graphics::Point origin = element.frame().origin;
  saveFrameEntries(*name, {{"x", gridText(origin.x)}, {"y", gridText(origin.y)}});
}

void CreatorView::saveCenterPositionToCreatorPreset(const platform::ui::View& element, const std::string& name,
                                                    bool snapX, bool snapY) {
  const graphics::Point origin = element.frame().origin;
  saveFrameEntries(name, {{"x", snapX ? "center" : gridText(origin.x)}, {"y", snapY ? "center" : gridText(origin.y)}});
}

void CreatorView::followElementWithSelection(const platform::ui::View& element) {
  updateHighlightViewForMovedElement(element);
  updateWidthResizeHandlePosition();
  updateHeightResizeHandlePosition();
}

std::optional<std::string> CreatorView::elementNameOfView(const platform::ui::View& element) const {
  return getElementNameFromTag(static_cast<std::int32_t>(element.tag()));
}

void CreatorView::saveFrameEntries(const std::string& name, const FrameEntries& entries) {
  const std::optional<KeyPath> path = dictHelpers.getElementHierarchy(name);
  std::optional<platform::Value> edited =
      path ? themeWithFrameEntries(creatorPreset, *path, entries) : std::optional<platform::Value>();
  if (!edited) {
    platform::foundation::systemLog("Vantile editor: no frame of \"" + name + "\" to write the new place or size into");
    return;
  }
  creatorPreset = std::move(*edited);
}

void CreatorView::fillInspectorFields(const FieldTexts& texts) const {
  if (elementOptions) fillTextFields(*elementOptions, texts);
}

}  // namespace vantile
