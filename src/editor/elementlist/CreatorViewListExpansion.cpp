// Expanding and collapsing containers in the element list, and the list's taps.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/elementlist/ElementRowText.h"
#include "editor/elementlist/ElementRowViews.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

using platform::foundation::MainQueue;

constexpr double kRowFadeDuration = 0.1;
constexpr double kExpandDelay = 0.1;
// A row a progressive build has not made yet is looked for again after these waits.
constexpr double kFirstRetryDelay = 0.2;
constexpr double kSecondRetryDelay = 0.5;
constexpr const char* kCollapsed = "↓";
constexpr const char* kExpanded = "↑";

bool holds(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The element's non-empty "children" map, found anywhere in the theme.
std::optional<platform::Value> nonEmptyChildren(const CreatorDictHelpers& helpers, std::string_view name) {
  std::optional<platform::Value> children = helpers.getElementChildrenFromString(name, helpers.getPresetChildren());
  if (!children || !children->is_object() || children->empty()) return std::nullopt;
  return children;
}

void swapArrow(platform::ui::View& row, const char* from, const char* to) {
  if (auto* label = dynamic_cast<platform::ui::Label*>(&row)) {
    label->setText(platform::foundation::replacingOccurrences(label->text(), from, to));
  }
}

void layOutSuperview(const platform::ui::View& row) {
  if (const auto parent = row.superview()) parent->layoutIfNeeded();
}

void fadeRowIn(const std::shared_ptr<platform::ui::View>& row) {
  row->setHidden(false);
  platform::ui::View::animate(kRowFadeDuration, 0, {}, [row] { row->setAlpha(1); });
  layOutSuperview(*row);
}

void fadeRowOut(const std::shared_ptr<platform::ui::View>& row) {
  platform::ui::View::animate(kRowFadeDuration, 0, {}, [row] { row->setAlpha(0); });
  row->setHidden(true);
  layOutSuperview(*row);
}

}  // namespace

std::shared_ptr<platform::ui::View> CreatorView::findElementRow(std::int32_t tag,
                                                                const std::shared_ptr<platform::ui::View>& view) const {
  std::shared_ptr<platform::ui::View> row = findViewWithTag(tag, view);
  if (!row && view && view == elementScrollView) row = findViewWithTag(tag, elementStackView);
  if (!row) row = findViewWithTag(tag, elementScrollView);
  if (!row) row = findViewWithTag(tag, menu);
  return row;
}

void CreatorView::restoreExpandedState() {
  if (savedOpenedStackElements.empty()) return;
  openedStackElements = savedOpenedStackElements;
  updateExpandedStateVisuals();
}

void CreatorView::updateExpandedStateVisuals() {
  MainQueue::shared().postAfter(kExpandDelay, [canvas = weakCanvas()] {
    const auto strong = canvas.lock();
    if (!strong) return;
    const std::vector<std::string> expanded = strong->openedStackElements;
    for (const std::string& name : expanded) {
      const auto tag = strong->creatorTags.find(name);
      if (tag == strong->creatorTags.end() || tag->second == 0) continue;
      if (const auto row = findViewWithTag(tag->second, strong->elementScrollView))
        swapArrow(*row, kCollapsed, kExpanded);
      if (const auto children = nonEmptyChildren(strong->dictHelpers, name)) {
        strong->hideShowChildren(name, strong->elementScrollView, *children, false);
      }
    }
  });
}

void CreatorView::hideShowChildren(const std::string& name, const std::shared_ptr<platform::ui::View>& view,
                                   const platform::Value& elementChildren, bool forceHide) {
  const std::optional<platform::Value> type =
      getPresetChildren() ? dictHelpers.getElementTypeFromString(name, *getPresetChildren()) : std::nullopt;
  const bool isContainer = type && type->is_string() && ElementRowText::isContainerType(type->get<std::string>());
  if (isContainer && elementChildren.is_object() && !elementChildren.empty()) {
    const bool open = holds(openedStackElements, name);
    const bool show = open && !forceHide;
    for (const auto& child : elementChildren.items()) {
      const auto tag = creatorTags.find(child.key());
      const bool listed = tag != creatorTags.end() && tag->second != 0;
      const std::shared_ptr<platform::ui::View> row = listed ? findElementRow(tag->second, view) : nullptr;
      if (!row) {
        if (forceHide || !listed) continue;
        // A progressive build may not have made the row yet.
        auto search = [canvas = weakCanvas(), name, weakView = std::weak_ptr(view), rowTag = tag->second] {
          const auto strong = canvas.lock();
          if (!strong) return true;
          const auto late = strong->findElementRow(rowTag, weakView.lock());
          if (!late) return false;
          if (holds(strong->openedStackElements, name)) fadeRowIn(late);
          return true;
        };
        MainQueue::shared().postAfter(kFirstRetryDelay, [search] {
          if (!search()) MainQueue::shared().postAfter(kSecondRetryDelay, [search] { search(); });
        });
        continue;
      }
      if (const platform::Value* grandchildren = ElementRowText::nonEmptyChildren(child.value())) {
        const bool deepHide = !open || forceHide;
        hideShowChildren(child.key(), view, *grandchildren, deepHide);
        if (deepHide) swapArrow(*row, kExpanded, kCollapsed);
      }
      if (show && row->isHidden()) {
        fadeRowIn(row);
      } else if (!show && !row->isHidden()) {
        fadeRowOut(row);
      }
      if (forceHide) {
        MainQueue::shared().post([weakRow = std::weak_ptr(row)] {
          const auto strong = weakRow.lock();
          if (!strong) return;
          strong->layer()->removeAllAnimations();
          strong->setHidden(true);
          strong->setAlpha(0);
        });
      }
    }
  }
  if (elementScrollView && elementStackView) {
    MainQueue::shared().post([list = std::weak_ptr(elementScrollView), stack = std::weak_ptr(elementStackView)] {
      const auto strongList = list.lock();
      const auto strongStack = stack.lock();
      if (!strongList || !strongStack) return;
      strongStack->layoutArrangedSubviews();
      strongList->setContentSize(strongStack->bounds().size);
    });
  }
}

void CreatorView::handleTap(platform::ui::GestureRecognizer& recognizer) {
  const std::shared_ptr<platform::ui::View> list = recognizer.view();
  if (!list) return;
  const std::optional<platform::graphics::Point> point = recognizer.locationInView(list.get());
  const std::shared_ptr<platform::ui::View> hit = point ? list->hitTest(*point) : nullptr;
  if (!hit) return;

  if (hit->tag() == ElementRowViews::kAllElementsRowTag) return showElementStyles();
  if (hit->tag() == ElementRowViews::kAddRowTag) return addNewElement();
  if (const std::optional<std::string>& layerName = hit->layer()->name(); layerName && !layerName->empty()) {
    if (const std::size_t mark = layerName->find('~'); mark != std::string::npos) {
      const std::string element = layerName->substr(0, mark);
      const std::size_t actionEnd = layerName->find('~', mark + 1);
      return handleElementRowButton(element, layerName->substr(mark + 1, actionEnd - mark - 1));
    }
    setSelectedElement(*layerName);
    return loadElementOptions(*layerName);
  }

  if (hit->tag() == 0) return;
  const auto found = std::find_if(creatorTags.begin(), creatorTags.end(),
                                  [&](const auto& entry) { return entry.second == hit->tag(); });
  if (found == creatorTags.end()) return;
  const std::string name = found->first;
  auto* row = dynamic_cast<platform::ui::Label*>(hit.get());
  if (row == nullptr) return;

  if (platform::foundation::contains(row->text(), kCollapsed)) {
    swapArrow(*row, kCollapsed, kExpanded);
    if (!holds(openedStackElements, name)) openedStackElements.push_back(name);
  } else {
    swapArrow(*row, kExpanded, kCollapsed);
    if (holds(openedStackElements, name)) {
      std::erase(openedStackElements, name);
      const std::vector<std::string> expanded = openedStackElements;
      for (const std::string& descendant : expanded) {
        if (!isElementDescendantOf(descendant, name)) continue;
        std::erase(openedStackElements, descendant);
        if (auto children = nonEmptyChildren(dictHelpers, descendant)) {
          MainQueue::shared().postAfter(kExpandDelay, [canvas = weakCanvas(), descendant, map = std::move(*children)] {
            if (const auto strong = canvas.lock())
              strong->hideShowChildren(descendant, strong->elementScrollView, map, true);
          });
        }
      }
    }
  }
  if (auto children = nonEmptyChildren(dictHelpers, name)) {
    MainQueue::shared().postAfter(kExpandDelay, [canvas = weakCanvas(), name, map = std::move(*children)] {
      const auto strong = canvas.lock();
      if (!strong) return;
      strong->hideShowChildren(name, strong->elementScrollView, map, !holds(strong->openedStackElements, name));
    });
  }
}

}  // namespace vantile
