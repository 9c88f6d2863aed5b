#include "editor/elementlist/CanvasOptionsDelegate.h"

#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/adding/ChildOrder.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

using platform::Value;

bool CanvasOptionsDelegate::implements(Operation) const { return true; }

const Value& CanvasOptionsDelegate::creatorPreset() const { return canvas_.creatorPreset; }

void CanvasOptionsDelegate::setCreatorPreset(Value preset) { canvas_.creatorPreset = std::move(preset); }

std::vector<std::string> CanvasOptionsDelegate::elementNames() const {
  std::vector<std::string> names;
  for (const auto& entry : CreatorDictHelpers::elementObject(canvas_.creatorPreset)) names.push_back(entry.first);
  return names;
}

std::optional<Value> CanvasOptionsDelegate::findElementInDictionary(std::string_view name) const {
  return canvas_.dictHelpers.findElementInDictionary(name);
}

std::optional<std::string> CanvasOptionsDelegate::getParentName(std::string_view name) const {
  return canvas_.dictHelpers.getParentName(name);
}

std::optional<Value> CanvasOptionsDelegate::getElementObjectFromString(std::string_view name,
                                                                      std::string_view key) const {
  return CreatorDictHelpers::getElementObjectFromString(name, key, canvas_.dictHelpers.getPresetChildren());
}

Value CanvasOptionsDelegate::addToElementChildren(std::string_view parentName, const Value& childInfo,
                                                  const std::string& childName) const {
  return canvas_.dictHelpers.addToElementChildren(parentName, childInfo, childName);
}

// Whole names are compared, so "a_1" is free beside "a_10".
std::string CanvasOptionsDelegate::makeNewName(const std::string& name, const std::vector<std::string>& list,
                                               std::int32_t count) const {
  for (std::int64_t number = count;; ++number) {
    std::string candidate = name + "_" + std::to_string(number);
    if (std::find(list.begin(), list.end(), candidate) == list.end()) return candidate;
  }
}

std::int32_t CanvasOptionsDelegate::globalCounter() const { return canvas_.globalCounter; }

void CanvasOptionsDelegate::setGlobalCounter(std::int32_t counter) { canvas_.globalCounter = counter; }

void CanvasOptionsDelegate::updateReferenceToView(const std::string& name, std::int32_t count,
                                                  const std::string& location) {
  canvas_.updateReferenceToView(name, count, location);
}

void CanvasOptionsDelegate::setElementStyle(const std::string& style, const std::string& elementName,
                                            const std::string& styleValue) {
  canvas_.setElementStyle(style, elementName, styleValue);
}

Value CanvasOptionsDelegate::resetChildOrderForElementDict(Value children) {
  return std::move(vantile::resetChildOrderForElementDict(children));
}

void CanvasOptionsDelegate::setSelectedElement(std::string name) { canvas_.setSelectedElement(std::move(name)); }

void CanvasOptionsDelegate::reloadTheme() { canvas_.reloadTheme(); }

void CanvasOptionsDelegate::reloadScrollview() { canvas_.reloadScrollview(); }

std::string CanvasOptionsDelegate::getSelectedElement() const { return canvas_.getSelectedElement(); }

std::optional<std::vector<std::string>> CanvasOptionsDelegate::getElementHierarchy(std::string_view name) const {
  return canvas_.getElementHierarchy(name);
}

Value CanvasOptionsDelegate::removeElementFromPresetViewChildrenScroll(const std::string& name, Value dict) const {
  return std::move(CreatorView::removeElementFromPresetViewChildrenScroll(name, dict));
}

Value CanvasOptionsDelegate::removeElementFromUIView(const std::string& containerName) {
  return canvas_.removeElementFromUIView(containerName);
}

void CanvasOptionsDelegate::removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent) {
  canvas_.removeItemFromUIViewOrderWithName(name, parent);
}

void CanvasOptionsDelegate::addToPresetOrder(const std::string& name) { canvas_.addToPresetOrder(name); }

void CanvasOptionsDelegate::removeFromPresetOrder(const std::string& name) { canvas_.removeFromPresetOrder(name); }

std::vector<std::string> CanvasOptionsDelegate::getUIViewsInPreset() const { return canvas_.getUIViewsInPreset(); }

std::vector<std::string> CanvasOptionsDelegate::getViewsInPreset() const { return canvas_.getViewsInPreset(); }

std::optional<std::string> CanvasOptionsDelegate::getParentNameFromElementName(std::string_view name) const {
  return canvas_.getParentNameFromElementName(name);
}

void CanvasOptionsDelegate::addElementToCreatorWithOptions(const Value& element, const std::string& name) {
  canvas_.addElementToCreatorWithOptions(element, name);
}

void CanvasOptionsDelegate::hideHintLabel() { canvas_.hideHintLabel(); }

std::shared_ptr<platform::ui::View> CanvasOptionsDelegate::mainView() const { return canvas_.mainView; }

std::shared_ptr<CreatorVerticalMenu> CanvasOptionsDelegate::uiviewPicker() const { return canvas_.uiviewPicker; }

void CanvasOptionsDelegate::setUiviewPicker(std::shared_ptr<CreatorVerticalMenu> picker) {
  canvas_.uiviewPicker = std::move(picker);
}

std::shared_ptr<platform::ui::View> CanvasOptionsDelegate::elementOptions() const { return canvas_.elementOptions; }

}  // namespace vantile
