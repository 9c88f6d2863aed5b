// Reading and changing the edited theme by element name; every change installs a new document.
#include "editor/CreatorView.h"
#include "editor/editing/PresetTree.h"
#include "editor/editing/StyleValues.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

namespace {

using platform::Value;

bool isRootContainer(const Value& element) {
  if (!element.is_object()) return false;
  const auto type = element.find("type");
  return type != element.end() && (*type == "UIView" || *type == "GlassView");
}

}  // namespace

std::optional<KeyPath> CreatorView::getElementHierarchy(std::string_view name) const {
  return dictHelpers.getElementHierarchy(name);
}

std::optional<std::string> CreatorView::getParentNameFromElementName(std::string_view name) const {
  const std::shared_ptr<platform::ui::View> elementView = getElementView(name);
  if (!elementView) return std::string();
  const std::shared_ptr<platform::ui::View> parent = elementView->superview();
  if (!parent) return std::nullopt;
  return getElementNameFromTag(static_cast<std::int32_t>(parent->tag()));
}

bool CreatorView::presetContainsUIView() const {
  const Value* children = getPresetChildren();
  if (!children || !children->is_object()) return false;
  for (const auto& [name, child] : children->items()) {
    if (name != selectedElement && isRootContainer(child)) return true;
  }
  return false;
}

std::vector<std::string> CreatorView::getUIViewsInPreset() const {
  std::vector<std::string> names;
  dictHelpers.recursivelyFindUIView(names, dictHelpers.getPresetChildren());
  return names;
}

std::vector<std::string> CreatorView::getViewsInPreset() const {
  std::vector<std::string> names;
  dictHelpers.recursivelyFindViews(names, dictHelpers.getPresetChildren());
  return names;
}

std::vector<std::string> CreatorView::getAppsInPreset() const {
  std::vector<std::string> names;
  dictHelpers.recursivelyFindApps(names, dictHelpers.getPresetChildren());
  return names;
}

Value CreatorView::getAllElementsInPreset(std::string_view style) const {
  Value found = Value::object();
  dictHelpers.recursivelyFindElements(found, dictHelpers.getPresetChildren(), style, "");
  return found;
}

void CreatorView::setElementStyle(const std::string& style, const std::string& elementName,
                                  const std::string& styleValue) {
  const StyleValues::Conversion conversion = StyleValues::valueForStyle(style, styleValue);
  if (!conversion.value) {
    platform::foundation::systemLog("Error in setElementStyle " + conversion.error);
    showRefusedEditAlert("The value of \"" + style + "\" could not be saved: " + conversion.error + ".");
    return;
  }
  const auto path = getElementHierarchy(elementName);
  const auto element = CreatorDictHelpers::getElementDictionaryFromString(elementName, dictHelpers.getPresetChildren());
  if (path && element && element->is_object()) {
    std::optional<Value> changed;
    if (conversion.value->is_string() && StyleValues::isShadowStyle(style) &&
        styleValue.find("rgba") != std::string::npos) {
      changed = setColorForTextOrBoxShadow(elementName, styleValue, style);
      if (!changed) platform::foundation::systemLog("Error " + elementName + " has no " + style + " to colour");
    } else {
      changed = *element;
      (*changed)[style] = *conversion.value;
    }
    if (changed) {
      if (auto preset = PresetTree::withElement(creatorPreset, *path, *changed)) installEditedPreset(std::move(*preset));
    }
  } else {
    platform::foundation::systemLog("Error in setElementStyle no element " + elementName);
  }
  showHighlightViewWithName(elementName);
  doneIncrementing = true;
  reloadScrollviewResetPosition();
}

std::optional<Value> CreatorView::setColorForTextOrBoxShadow(const std::string& elementName,
                                                             const std::string& styleValue,
                                                             const std::string& style) const {
  const auto element = CreatorDictHelpers::getElementDictionaryFromString(elementName, dictHelpers.getPresetChildren());
  if (!element) return std::nullopt;
  return StyleValues::withShadowColor(*element, style, styleValue);
}

void CreatorView::removeElement(const std::string& name) {
  const Value* children = getPresetChildren();
  if (children && children->is_object() && children->contains(name)) {
    removeElementFromPresetViewChildren(name);
    return;
  }
  auto path = getElementHierarchy(name);
  if (!path || path->size() < 4) {
    platform::foundation::systemLog("Could not remove " + name + ": it is not in the theme");
    return;
  }
  path->pop_back();
  const std::string parent = (*path)[path->size() - 2];
  // The named element leaves its container even when it is not the selected one.
  hideHintLabel();
  const auto found = CreatorDictHelpers::getElementDictionaryFromString(parent, dictHelpers.getPresetChildren());
  const Value container = PresetTree::containerWithoutChild(found.value_or(Value::object()), name);
  path->pop_back();
  if (auto preset = PresetTree::withElement(creatorPreset, *path, container)) creatorPreset = std::move(*preset);
  removeItemFromUIViewOrderWithName(name, parent);
  selectedElement = "none";
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadTheme();
  reloadScrollview();
}

void CreatorView::removeElementFromPresetViewChildren(const std::string& name) {
  Value preset = creatorPreset;
  PresetTree::removeRootChild(preset, name);
  installEditedPreset(std::move(preset));
  selectedElement = "none";
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadScrollview();
}

Value CreatorView::removeElementFromUIView(const std::string& containerName) {
  hideHintLabel();
  const auto container = CreatorDictHelpers::getElementDictionaryFromString(containerName, dictHelpers.getPresetChildren());
  return PresetTree::containerWithoutChild(container.value_or(Value::object()), selectedElement);
}

void CreatorView::removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent) {
  const auto childorder = CreatorDictHelpers::getElementObjectFromString(parent, "childorder", dictHelpers.getPresetChildren());
  if (!childorder || !childorder->is_string()) return;
  setElementStyle("childorder", parent, StyleValues::childorderWithout(childorder->get_ref<const std::string&>(), name));
}

void CreatorView::removeFromPresetOrder(const std::string& name) {
  creatorPreset = PresetTree::withoutOrderEntry(creatorPreset, name);
}

void CreatorView::addToPresetOrder(const std::string& name) {
  creatorPreset = PresetTree::withOrderEntryAppended(creatorPreset, name);
}

Value& CreatorView::removeElementFromPresetViewChildren(const std::string&, Value& dict) const {
  PresetTree::removeRootChild(dict, selectedElement);
  return dict;
}

Value& CreatorView::removeElementFromPresetViewChildrenScroll(const std::string& name, Value& dict) {
  PresetTree::removeRootChild(dict, name);
  return dict;
}

void CreatorView::installEditedPreset(Value preset) {
  creatorPreset = std::move(preset);
  reloadTheme();
}

void CreatorView::showRefusedEditAlert(const std::string& message) const {
  const std::shared_ptr<platform::ui::ViewController> presenter = topViewController();
  if (!presenter) return;
  auto alert = platform::ui::AlertController::make("Vantile", message, platform::ui::AlertController::Style::alert);
  alert->addAction({"Ok", platform::ui::AlertAction::Style::normal, {}});
  presenter->presentViewController(alert, true);
}

}  // namespace vantile
