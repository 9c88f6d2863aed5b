// The element list: its synchronous build, refresh and reload, and its rows.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "editor/elementlist/ElementRowText.h"
#include "editor/elementlist/ElementRowViews.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using platform::foundation::MainQueue;

// Themes with fewer elements are listed at once.
constexpr std::int64_t kProgressiveThreshold = 5;
constexpr double kListTop = 40;
constexpr double kListHeightInset = 30;
constexpr double kRowSpacing = 2;
constexpr std::int32_t kFirstRowTag = 10000;

struct RowButton {
  double offsetFromRight;
  const char* imageURL;
  const char* action;  // nullptr: the layer name is the element name
  bool checksMarks;
};

constexpr RowButton kRowButtons[] = {
    {160, "file:///var/mobile/Library/VantileAssets/copy.png", "copy", false},
    {120, "file:///var/mobile/Library/VantileAssets/dots.png", nullptr, true},
    {80, "file:///var/mobile/Library/VantileAssets/trash.png", "remove", true},
    {40, "file:///var/mobile/Library/VantileAssets/gear.png", "lockhide", false},
};

bool holds(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::string typeOf(const platform::Value& element) {
  if (!element.is_object()) return {};
  const auto type = element.find("type");
  return type != element.end() && type->is_string() ? type->get<std::string>() : std::string{};
}

bool hasNonZeroInitialOffset(const std::optional<platform::Value>& element) {
  if (!element || !element->is_object()) return false;
  const auto offset = element->find("initialOffset");
  if (offset == element->end() || !offset->is_object()) return false;
  const auto nonZero = [&](const char* key) {
    const auto value = offset->find(key);
    return value != offset->end() && platform::foundation::doubleValue(*value) != 0;
  };
  return nonZero("x") || nonZero("y");
}

// What a theme's list shows: the root's "children", in its "order" when it has one, else in
// the children's own order. A theme without them lists nothing.
struct ListSource {
  const platform::Value& children;
  const platform::Value& order;
};

ListSource listSourceOf(const platform::Value& theme) {
  static const platform::Value empty = platform::Value::object();
  const auto root = theme.is_object() ? theme.find("PresetView") : theme.end();
  if (!theme.is_object() || root == theme.end() || !root->is_object()) return {empty, empty};
  const auto children = root->find("children");
  const platform::Value& map = children != root->end() && children->is_object() ? *children : empty;
  const auto order = root->find("order");
  return {map, order != root->end() ? *order : map};
}

}  // namespace

std::weak_ptr<CreatorView> CreatorView::weakCanvas() {
  return std::static_pointer_cast<CreatorView>(shared_from_this());
}

void CreatorView::setupScrollview() {
  const std::string fileName = selectedTheme.empty() ? "time.json" : selectedTheme;
  std::optional<platform::Value> theme = JSONFromFile(editorThemeFilePath(fileName));
  // The canvas has logged a theme file it could not read; its list keeps only the fixed rows.
  if (!theme) theme = platform::Value::object();
  const ListSource source = listSourceOf(*theme);
  createScrollviewFromChildren(source.children, source.order);
}

void CreatorView::reloadScrollview() {
  if (elementScrollView) {
    savedElementScrollPosition = elementScrollView->contentOffset();
    elementScrollView->removeFromSuperview();
  }
  const ListSource source = listSourceOf(creatorPreset);
  createScrollviewFromChildren(source.children, source.order);
  if (selectedElement != "none") loadElementOptions(selectedElement);
}

void CreatorView::reloadScrollviewResetPosition() {
  const std::optional<graphics::Point> inspectorOffset =
      elementOptions ? std::optional(elementOptions->contentOffset()) : std::nullopt;
  reloadScrollview();
  if (inspectorOffset && elementOptions) elementOptions->setContentOffset(*inspectorOffset, false);
}

void CreatorView::refreshScrollview() {
  savedOpenedStackElements = openedStackElements;
  if (elementScrollView) savedElementScrollPosition = elementScrollView->contentOffset();

  std::vector<std::pair<std::string, graphics::Point>> canvasOffsets;
  for (const auto& [name, tag] : creatorTags) {
    if (tag == 0) continue;
    const auto scroll = std::dynamic_pointer_cast<platform::ui::ScrollView>(findViewWithTag(tag, creatorView));
    if (scroll) canvasOffsets.emplace_back(name, scroll->contentOffset());
  }

  const ListSource source = listSourceOf(creatorPreset);
  if (countTotalElements(source.children, &source.order) < kProgressiveThreshold) {
    createScrollviewFromChildren(source.children, source.order);
    restoreExpandedState();
  } else {
    createScrollviewFromChildrenAsync(source.children, source.order);
  }

  if (canvasOffsets.empty()) return;
  MainQueue::shared().post([canvas = weakCanvas(), canvasOffsets] {
    const auto strong = canvas.lock();
    if (!strong) return;
    for (const auto& [name, offset] : canvasOffsets) {
      if (hasNonZeroInitialOffset(strong->dictHelpers.findElementInDictionary(name))) continue;
      const auto tag = strong->creatorTags.find(name);
      if (tag == strong->creatorTags.end()) continue;
      const auto scroll =
          std::dynamic_pointer_cast<platform::ui::ScrollView>(findViewWithTag(tag->second, strong->creatorView));
      if (scroll) scroll->setContentOffset(offset, false);
    }
  });
}

void CreatorView::makeEmptyElementList() {
  if (elementOptions) elementOptions->removeFromSuperview();
  if (collectionView) collectionView->removeFromSuperview();
  if (elementScrollView) elementScrollView->removeFromSuperview();

  const graphics::Size panel = menu->bounds().size;
  elementScrollView = platform::ui::ScrollView::make({0, kListTop, panel.width, panel.height - kListHeightInset});
  elementScrollView->setAlpha(0);
  elementStackView = platform::ui::StackView::make(platform::ui::StackView::Axis::vertical);
  elementStackView->setAlignment(platform::ui::StackView::Alignment::fill);
  elementStackView->setSpacing(kRowSpacing);
  elementStackView->addArrangedSubview(ElementRowViews::makeAddRow(panel.width));
  elementStackView->addArrangedSubview(ElementRowViews::makeAllElementsRow(panel.width));

  auto tap =
      platform::ui::TapGestureRecognizer::make([canvas = weakCanvas()](platform::ui::GestureRecognizer& recognizer) {
        if (const auto strong = canvas.lock()) strong->handleTap(recognizer);
      });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  elementScrollView->addGestureRecognizer(std::move(tap));
}

void CreatorView::installElementList() {
  elementStackView->layoutArrangedSubviews();
  elementScrollView->addSubview(elementStackView);
  elementScrollView->setContentSize(elementStackView->bounds().size);
  menu->addSubview(elementScrollView);
}

void CreatorView::createScrollviewFromChildren(const platform::Value& children, const platform::Value& order) {
  if (!menu) return;
  ++elementListGeneration;
  if (isLoadingElements) {
    // This build lists the whole theme as it is now, so the progressive one and any refresh it held back are over.
    isLoadingElements = false;
    elementListRefreshPending = false;
    hideLoadingIndicator();
  }
  makeEmptyElementList();
  for (const std::string& name : ElementRowText::orderedNames(children, &order)) {
    createLabelForElement(name, children, *elementStackView, false);
  }
  installElementList();

  MainQueue::shared().post([canvas = weakCanvas(), list = elementScrollView, stack = elementStackView] {
    const auto strong = canvas.lock();
    if (!strong) return;
    ElementRowViews::fitListToStack(*list, *stack);
    if (strong->savedElementScrollPosition != graphics::Point{}) {
      list->setContentOffset(strong->savedElementScrollPosition, false);
    }
    ElementRowViews::fadeListIn(list);
  });
}

std::int32_t CreatorView::elementRowTag(const std::string& name) {
  static std::int32_t nextRowTag = kFirstRowTag;
  std::int32_t& tag = creatorTags[name];
  if (tag == 0) tag = nextRowTag++;
  return tag;
}

void CreatorView::createLabelForElement(const std::string& name, const platform::Value& children,
                                        platform::ui::StackView& stack, bool isNested) {
  const auto entry = children.is_object() ? children.find(name) : children.end();
  if (!children.is_object() || entry == children.end() || !entry->is_object()) {
    platform::foundation::systemLog("Element list: no element named " + name + " to list");
    return;
  }
  const std::string type = typeOf(*entry);
  const bool isContainer = ElementRowText::isContainerType(type);
  const platform::Value* rowChildren = ElementRowText::nonEmptyChildren(*entry);
  const double width = menu ? menu->bounds().size.width : stack.bounds().size.width;

  auto row = ElementRowViews::makeElementRow(width, isNested);
  row->setTag(elementRowTag(name));
  if (isNested) {
    const std::optional<std::string> parent = dictHelpers.getParentName(name);
    const bool parentOpen =
        parent && !parent->empty() &&
        (holds(openedStackElements, *parent) || (isLoadingElements && holds(savedOpenedStackElements, *parent)));
    row->setHidden(!parentOpen);
    row->setAlpha(parentOpen ? 1 : 0);
  }
  for (const RowButton& kind : kRowButtons) {
    std::string layerName = kind.action ? name + "~" + kind.action : name;
    auto button = ElementRowViews::makeRowButton(width - kind.offsetFromRight, kind.imageURL, std::move(layerName));
    if (kind.checksMarks) checkIfShouldAllow(*button, name);
    row->addSubview(std::move(button));
  }
  const std::size_t childCount = rowChildren ? rowChildren->size() : 0;
  const std::string title =
      ElementRowText::elementTitle(type, name, childCount, isContainer, holds(openedStackElements, name));
  const std::size_t pathLength = isNested ? dictHelpers.getElementHierarchy(name).value_or(KeyPath{}).size() : 0;
  row->setText(ElementRowText::rowText(title, isNested, pathLength));
  stack.addArrangedSubview(std::move(row));

  if (!isContainer) return;
  const std::optional<platform::Value> element = dictHelpers.findElementInDictionary(name);
  const platform::Value* nested = element ? ElementRowText::nonEmptyChildren(*element) : nullptr;
  if (nested == nullptr) return;
  for (const auto& child : nested->items()) createLabelForElement(child.key(), *nested, stack, true);
}

std::int64_t CreatorView::countTotalElements(const platform::Value& children, const platform::Value* order) {
  std::int64_t count = 0;
  for (const std::string& name : ElementRowText::orderedNames(children, order)) {
    ++count;
    const auto entry = children.is_object() ? children.find(name) : children.end();
    if (!children.is_object() || entry == children.end()) continue;
    if (const platform::Value* nested = ElementRowText::nonEmptyChildren(*entry))
      count += countTotalElements(*nested, nullptr);
  }
  return count;
}

void CreatorView::checkIfShouldAllow(platform::ui::View& button, const std::string& name) const {
  if (holds(hiddenElements, name)) {
    button.setAlpha(0.2);
    button.setUserInteractionEnabled(false);
  } else if (holds(lockedElements, name)) {
    button.setUserInteractionEnabled(false);
  }
}

std::shared_ptr<platform::ui::View> CreatorView::findViewWithTag(std::int32_t tag,
                                                                 const std::shared_ptr<platform::ui::View>& view) {
  return view ? view->viewWithTag(tag) : nullptr;
}

bool CreatorView::isElementDescendantOf(std::string_view name, std::string_view ancestor) const {
  const std::optional<KeyPath> path = dictHelpers.getElementHierarchy(name);
  // The last entry is the element itself, which is no descendant of itself.
  return path && !path->empty() && std::find(path->begin(), path->end() - 1, ancestor) != path->end() - 1;
}

std::string CreatorView::padStringWithSpaces(const std::string& text, std::size_t amount) {
  return std::string(amount, ' ').append(text);
}

}  // namespace vantile
