// Values chosen from lists: data tokens, the layer order of children, the element to follow in
// width and the elements an element animates.
#include "editor/CreatorView.h"
#include "editor/data/CreatorData.h"
#include "editor/menus/PickerLists.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "inspector/reorder/CreatorReorderView.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

namespace {

using platform::Value;
using platform::foundation::systemLog;

}  // namespace

void CreatorView::createDataPicker() { createDataPickerForStyle("dataValue"); }

void CreatorView::createDataPickerForAttr() { createDataPickerForStyle("dataAttrValue"); }

void CreatorView::createDataPickerForStyle(const std::string& kind) {
  auto picked = [canvas = weakCanvas(), kind](const std::string& key) {
    const auto self = canvas.lock();
    if (!self) return;
    if (kind == "dataAttrValue") {
      self->addAttrDataValue(key);
    } else {
      self->addDataValue(key);
    }
    closeOptionMenu(self->dataPicker);
  };
  closeOptionMenu(dataPicker);
  // The second column shows each token's preview value.
  dataPicker = openOptionMenu("Select Data Value", {{"0", dataArray}}, std::move(picked), {}, &CreatorData::value);
}

void CreatorView::addDataValue(const std::string& key) { appendDataToken("data", key); }

void CreatorView::addAttrDataValue(const std::string& key) { appendDataToken("dataAttr", key); }

void CreatorView::appendDataToken(const std::string& style, const std::string& key) {
  const auto element = dictHelpers.findElementInDictionary(selectedElement);
  if (!element || !element->is_object()) {
    systemLog("Data token: no element " + selectedElement);
    return;
  }
  const auto text = element->find(style);
  setElementStyle(style, selectedElement, PickerLists::withDataToken(text == element->end() ? nullptr : &*text, key));
}

void CreatorView::childrenOrder() {
  const auto element = dictHelpers.findElementInDictionary(selectedElement);
  const Value children = element && element->is_object() ? element->value("children", Value::object()) : Value();
  if (!children.is_object() || children.empty()) {
    noChildren();
    return;
  }
  const Value childorder = element->value("childorder", Value("none"));
  const auto list =
      PickerLists::childrenOrderList(childorder.is_string() ? childorder.get<std::string>() : "none", children);
  if (!mainView) return;
  if (reorderView) reorderView->removeFromSuperview();
  reorderView = CreatorReorderView::initReorderWithList(
      list, mainView->bounds(), [canvas = weakCanvas(), container = selectedElement](const auto& saved) {
        if (const auto self = canvas.lock()) self->saveChildrenOrder(container, saved);
      });
  mainView->addSubview(reorderView);
}

void CreatorView::saveChildrenOrder(const std::string& container, const std::vector<std::string>& saved) {
  if (!saved.empty()) setElementStyle("childorder", container, PickerLists::childorderFromPanel(saved));
  if (reorderView) reorderView->removeFromSuperview();
  reorderView.reset();
}

void CreatorView::noChildren() { showPickerAlert("This UIView has no children.", "OK"); }

void CreatorView::createFollowPicker() {
  const auto parent = dictHelpers.getParentName(selectedElement);
  if (!parent || *parent == "PresetView") {
    showPickerAlert("This item is not in a parent with an item to follow.", "Ok");
    return;
  }
  const auto children = dictHelpers.getElementChildrenFromString(*parent, dictHelpers.getPresetChildren());
  std::vector<std::string> siblings;
  if (children && children->is_object()) {
    for (const auto& [name, child] : children->items()) {
      if (name != selectedElement) siblings.push_back(name);
    }
  }
  auto picked = [canvas = weakCanvas(), element = selectedElement](const std::string& followed) {
    const auto self = canvas.lock();
    if (!self) return;
    self->setElementStyle("followWidthItem", element, followed);
    closeOptionMenu(self->viewPicker);
    self->reloadTheme();
    self->reloadScrollview();
  };
  closeOptionMenu(viewPicker);
  viewPicker = openOptionMenu("Select view to follow", {{"0", PickerLists::sortedCaseInsensitive(std::move(siblings))}},
                              std::move(picked));
}

void CreatorView::createAnimationPicker() {
  auto picked = [canvas = weakCanvas()](const std::string& target) {
    const auto self = canvas.lock();
    if (!self) return;
    self->addViewToAnimation(target);
    closeOptionMenu(self->viewPicker);
  };
  closeOptionMenu(viewPicker);
  viewPicker = openOptionMenu("Select view to animate", {{"0", PickerLists::sortedCaseInsensitive(getViewsInPreset())}},
                              std::move(picked));
}

void CreatorView::addViewToAnimation(const std::string& name) {
  const auto element = dictHelpers.findElementInDictionary(selectedElement);
  if (!element || !element->is_object()) {
    systemLog("Animation targets: no element " + selectedElement);
    return;
  }
  setElementStyle("animation", selectedElement,
                  PickerLists::animationWithToggledTarget(element->value("animation", Value()), name));
}

}  // namespace vantile
