// Selecting an element: by a tap on the canvas or from the element list, with its name tab and
// selection frame.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/selection/HighlightOption.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;

constexpr graphics::Rect kHintLabelFrame{10, -20, 100, 20};
constexpr double kHintLabelTextMargin = 20;
constexpr double kHintLabelCornerRadius = 10;
constexpr graphics::Color kHighlightBorderColor{1, 1, 1, 0.9};
constexpr double kHighlightBorderWidth = 1;

// The bounds with the two top corners rounded; the bottom ones stay square.
graphics::Path topRoundedPath(const graphics::Rect& bounds, double radius) {
  const double left = bounds.origin.x;
  const double top = bounds.origin.y;
  const double right = left + bounds.size.width;
  const double bottom = top + bounds.size.height;
  const double r = std::min({radius, bounds.size.width / 2, bounds.size.height});
  constexpr double pi = 3.14159265358979323846;
  graphics::Path path;
  path.moveTo({left, bottom});
  path.lineTo({left, top + r});
  path.addArc({left + r, top + r}, r, pi, 1.5 * pi, true);
  path.lineTo({right - r, top});
  path.addArc({right - r, top + r}, r, 1.5 * pi, 2 * pi, true);
  path.lineTo({right, bottom});
  path.close();
  return path;
}

bool containsPoint(const graphics::Rect& rect, graphics::Point point) {
  return point.x >= rect.origin.x && point.x < rect.origin.x + rect.size.width && point.y >= rect.origin.y &&
         point.y < rect.origin.y + rect.size.height;
}

}  // namespace

void CreatorView::selectView(platform::ui::GestureRecognizer& recognizer) {
  if (collectionView) collectionView->removeFromSuperview();
  if (dynamic_cast<platform::ui::TapGestureRecognizer*>(&recognizer) == nullptr) return;
  const std::shared_ptr<platform::ui::View> tapped = recognizer.view();
  if (!tapped) return;
  const std::optional<graphics::Point> point = recognizer.locationInView(tapped.get());
  if (!point) return;

  std::shared_ptr<platform::ui::View> hit = tapped->hitTest(*point);
  if (hit && hit->tag() == 0) {
    if (const auto parent = hit->superview(); parent && parent->tag() != 0) hit = parent;
  }

  std::optional<std::string> chosen;
  if (!hit || hit->tag() == 0) {
    hideHintLabel();
    refreshScrollview();
    resetHighlightView();
    for (const auto& [name, tag] : creatorTags) {
      if (tag == 0) continue;
      const std::shared_ptr<platform::ui::View> elementView = findViewWithTag(tag, creatorView);
      if (elementView && containsPoint(elementView->frame(), *point) && !isItemHiddenOrLockedByUser(name)) {
        chosen = name;
        break;
      }
    }
  } else {
    const auto found = std::find_if(creatorTags.begin(), creatorTags.end(), [&](const auto& entry) {
      return entry.second == hit->tag() && !isItemHiddenOrLockedByUser(entry.first);
    });
    if (found != creatorTags.end()) chosen = found->first;
  }
  if (!chosen) return;
  setSelectedElement(*chosen);
  loadElementOptions(*chosen);
}

void CreatorView::loadElementOptions(const std::string& name) {
  showHintLabel(name);
  if (elementScrollView) {
    savedElementScrollPosition = elementScrollView->contentOffset();
    elementScrollView->removeFromSuperview();
  }
  backupTheme();
  showElementInspector(name);
  showHighlightViewWithName(name);
  addDragFunctionalityToSelectedElement(name);
}

void CreatorView::showHintLabel(const std::string& text) {
  if (!styleHintLabel) return;
  styleHintLabel->setHidden(false);
  styleHintLabel->setFrame(kHintLabelFrame);
  styleHintLabel->setText(text);
  graphics::Rect frame = kHintLabelFrame;
  frame.size.width = graphics::measureText(text, styleHintLabel->font()).width + kHintLabelTextMargin;
  styleHintLabel->setFrame(frame);
  auto mask = platform::ui::ShapeLayer::make();
  mask->setFrame(styleHintLabel->bounds());
  mask->setPath(topRoundedPath(styleHintLabel->bounds(), kHintLabelCornerRadius));
  styleHintLabel->layer()->setMask(std::move(mask));
}

void CreatorView::hideHintLabel() {
  if (styleHintLabel) styleHintLabel->setHidden(true);
}

void CreatorView::showHighlightViewWithName(const std::string& name) {
  if (!highlightOptionIsOn() || !highlightView || !creatorView) return;
  const std::shared_ptr<platform::ui::View> elementView = selectableElementView(name);
  if (!elementView) return;
  highlightView->layer()->setBorderColor(kHighlightBorderColor);
  highlightView->layer()->setBorderWidth(kHighlightBorderWidth);
  highlightView->setFrame(canvasRectangle(*elementView));
  highlightView->setUserInteractionEnabled(false);
  creatorView->bringSubviewToFront(*highlightView);
}

void CreatorView::resetHighlightView() {
  if (highlightView) highlightView->setFrame({});
  removeResizeHandles();
}

platform::graphics::Rect CreatorView::addParentXY(platform::graphics::Rect rect, const platform::ui::View& view) const {
  std::shared_ptr<platform::ui::View> parent;
  for (const platform::ui::View* current = &view; current != nullptr; current = parent.get()) {
    const graphics::Point origin = current->frame().origin;
    rect.origin.x += origin.x;
    rect.origin.y += origin.y;
    parent = current->superview();
    if (parent == creatorView) break;
  }
  return rect;
}

platform::graphics::Rect CreatorView::canvasRectangle(const platform::ui::View& elementView) const {
  const std::shared_ptr<platform::ui::View> parent = elementView.superview();
  if (!parent || parent == creatorView) return elementView.frame();
  return addParentXY(elementView.frame(), *parent);
}

std::shared_ptr<platform::ui::View> CreatorView::selectableElementView(const std::string& name) const {
  const auto tag = creatorTags.find(name);
  if (tag == creatorTags.end() || tag->second == 0 || !creatorView) return nullptr;
  return findViewWithTag(tag->second, creatorView);
}

}  // namespace vantile
