// Moving elements into, out of and between containers and top-level scroll views.
#include <algorithm>

#include "inspector/actions/ContainerTree.h"
#include "inspector/actions/ElementOptionActionHandler.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using Operation = ElementOptionsBuilderDelegate::Operation;
using ContainerTree::kRootName;

void logRefusal(const std::string& edit, const std::string& reason) {
  platform::foundation::systemLog("Could not " + edit + ": " + reason);
}

}  // namespace

std::shared_ptr<ElementOptionsBuilderDelegate> ElementOptionActionHandler::treeEditDelegate() const {
  auto delegate = delegate_.lock();
  if (!delegate) return nullptr;
  constexpr Operation needed[] = {
      Operation::creatorPreset,          Operation::setCreatorPreset,
      Operation::dictHelpers,            Operation::setElementStyle,
      Operation::setSelectedElement,     Operation::reloadTheme,
      Operation::reloadScrollview,       Operation::getSelectedElement,
      Operation::getElementHierarchy,    Operation::removeElementFromPresetViewChildrenScroll,
      Operation::removeElementFromUIView, Operation::removeItemFromUIViewOrderWithName,
      Operation::addToPresetOrder,       Operation::removeFromPresetOrder,
      Operation::addElementToCreatorWithOptions,
  };
  const bool answersAll = std::all_of(std::begin(needed), std::end(needed),
                                      [&](Operation operation) { return delegate->implements(operation); });
  if (!answersAll) {
    platform::foundation::systemLog("The editor cannot move elements: its delegate lacks an operation.");
    return nullptr;
  }
  return delegate;
}

void ElementOptionActionHandler::addElementToUIView(const std::string& containerName) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  closePicker();
  const std::string selected = delegate->getSelectedElement();
  if (const auto refusal = ContainerTree::refusalToMoveInto(delegate->creatorPreset(), selected, containerName)) {
    logRefusal("put " + selected + " into " + containerName, *refusal);
    return;
  }
  const std::optional<std::string> oldParent = delegate->getParentName(selected);
  addItemToUIViewOrderWithName(selected, containerName);
  const std::optional<Value> container = addToElementUIViewChildren(containerName);
  const std::optional<std::vector<std::string>> path = delegate->getElementHierarchy(containerName);
  std::optional<Value> preset =
      container && path ? ContainerTree::withValueAt(delegate->creatorPreset(), *path, *container) : std::nullopt;
  if (!preset) {
    logRefusal("put " + selected + " into " + containerName, "the container could not be written");
    return;
  }
  delegate->setCreatorPreset(removeElementFromUIView(selected, *preset));
  if (oldParent && *oldParent != kRootName) delegate->removeItemFromUIViewOrderWithName(selected, *oldParent);
  placeInContainer(selected, containerName);
  delegate->removeFromPresetOrder(selected);
  finishEdit(*delegate, true);
}

void ElementOptionActionHandler::moveFromUIView(platform::ui::GestureRecognizer&) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  const std::string selected = delegate->getSelectedElement();
  const std::optional<Value> element = delegate->findElementInDictionary(selected);
  if (!element || !removeFromCurrentUIView()) return;
  delegate->addElementToCreatorWithOptions(*element, selected);
  delegate->addToPresetOrder(selected);
  finishEdit(*delegate, false);
}

bool ElementOptionActionHandler::removeFromCurrentUIView() {
  const auto delegate = treeEditDelegate();
  if (!delegate) return false;
  const std::string selected = delegate->getSelectedElement();
  std::optional<std::vector<std::string>> path = getElementHierarchy(selected);
  if (!path || path->size() < 5) {
    logRefusal("take " + selected + " out of its container", "it is not in one");
    return false;
  }
  path->pop_back();
  const std::string parent = (*path)[path->size() - 2];
  const Value container = delegate->removeElementFromUIView(parent);
  path->pop_back();
  std::optional<Value> preset = ContainerTree::withValueAt(delegate->creatorPreset(), *path, container);
  if (!preset) return false;
  delegate->setCreatorPreset(std::move(*preset));
  delegate->removeItemFromUIViewOrderWithName(selected, parent);
  return true;
}

void ElementOptionActionHandler::moveSelectedElementTo(const std::string& containerName) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  const std::string selected = delegate->getSelectedElement();
  if (const auto refusal = ContainerTree::refusalToMoveInto(delegate->creatorPreset(), selected, containerName)) {
    closePicker();
    logRefusal("move " + selected + " into " + containerName, *refusal);
    return;
  }
  const std::optional<Value> element = delegate->findElementInDictionary(selected);
  if (element && removeFromCurrentUIView()) addToNewUIView(containerName, *element);
}

void ElementOptionActionHandler::addToNewUIView(const std::string& containerName, const Value& backupDict) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  const std::string selected = delegate->getSelectedElement();
  // The order first: listed after the move, the element would be in it twice.
  addItemToUIViewOrderWithName(selected, containerName);
  const std::optional<Value> container = delegate->findElementInDictionary(containerName);
  const std::optional<std::vector<std::string>> path = delegate->getElementHierarchy(containerName);
  std::optional<Value> preset =
      container && path
          ? ContainerTree::withValueAt(delegate->creatorPreset(), *path,
                                       ContainerTree::containerWithChild(*container, selected, backupDict))
          : std::nullopt;
  if (!preset) {
    logRefusal("move " + selected + " into " + containerName, "it is not in the theme");
    return;
  }
  delegate->setCreatorPreset(std::move(*preset));
  finishEdit(*delegate, true);
  closePicker();
}

void ElementOptionActionHandler::addItemToScrollView(const std::string& name) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  const std::string scrollView = delegate->getSelectedElement();
  if (name.empty() || scrollView.empty() || scrollView == "none") return;
  closePicker();
  if (const auto refusal = ContainerTree::refusalToMoveInto(delegate->creatorPreset(), name, scrollView)) {
    logRefusal("add " + name + " to " + scrollView, *refusal);
    return;
  }
  const std::optional<std::string> oldParent = delegate->getParentName(name);
  addItemToUIViewOrderWithName(name, scrollView);
  const std::optional<Value> copy = addToElementScrollViewChildren(name);
  const std::optional<std::vector<std::string>> path = delegate->getElementHierarchy(scrollView);
  std::optional<Value> preset =
      copy && path ? ContainerTree::withValueAt(delegate->creatorPreset(), *path, *copy) : std::nullopt;
  if (!preset) {
    logRefusal("add " + name + " to " + scrollView, "the scroll view could not be written");
    return;
  }
  delegate->setCreatorPreset(removeElementFromScrollView(name, *preset));
  if (oldParent && *oldParent != kRootName) delegate->removeItemFromUIViewOrderWithName(name, *oldParent);
  updateItemPositionInScrollView(name);
  delegate->removeFromPresetOrder(name);
  finishEdit(*delegate, true);
}

void ElementOptionActionHandler::removeItemFromScrollView(const std::string& name, const std::string& scrollViewName) {
  const auto delegate = treeEditDelegate();
  if (!delegate || name.empty() || scrollViewName.empty()) return;
  closePicker();
  const std::optional<Value> element = delegate->findElementInDictionary(name);
  if (!element || delegate->getParentName(name) != scrollViewName) {
    logRefusal("remove " + name + " from " + scrollViewName, "it is not one of its children");
    return;
  }
  if (auto preset = ContainerTree::withoutElement(delegate->creatorPreset(), name)) {
    delegate->setCreatorPreset(std::move(*preset));
  }
  delegate->addElementToCreatorWithOptions(*element, name);
  delegate->removeItemFromUIViewOrderWithName(name, scrollViewName);
  delegate->addToPresetOrder(name);
  finishEdit(*delegate, false);
}

std::optional<Value> ElementOptionActionHandler::addToElementUIViewChildren(const std::string& containerName) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return std::nullopt;
  const std::string selected = delegate->getSelectedElement();
  const std::optional<Value> container = delegate->findElementInDictionary(containerName);
  const std::optional<Value> element = delegate->findElementInDictionary(selected);
  if (!container || !element) return std::nullopt;
  return ContainerTree::containerWithChild(*container, selected, *element);
}

std::optional<Value> ElementOptionActionHandler::addToElementScrollViewChildren(const std::string& name) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return std::nullopt;
  const std::optional<Value> scrollView = delegate->findElementInDictionary(delegate->getSelectedElement());
  const std::optional<Value> element = delegate->findElementInDictionary(name);
  if (!scrollView || !element) return std::nullopt;
  return ContainerTree::containerWithChild(*scrollView, name, *element);
}

std::optional<std::vector<std::string>> ElementOptionActionHandler::getElementHierarchy(std::string_view name) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return std::nullopt;
  return delegate->getElementHierarchy(name);
}

void ElementOptionActionHandler::updateItemPositionInScrollView(const std::string& name) {
  const auto delegate = delegate_.lock();
  if (delegate) placeInContainer(name, delegate->getSelectedElement());
}

void ElementOptionActionHandler::placeInContainer(const std::string& name, const std::string& containerName) {
  const auto delegate = delegate_.lock();
  if (!delegate) return;
  const std::optional<Value> element = delegate->findElementInDictionary(name);
  const std::optional<Value> container = delegate->findElementInDictionary(containerName);
  const std::optional<std::vector<std::string>> path = delegate->getElementHierarchy(name);
  if (!element || !container || !path) return;
  std::optional<Value> preset = ContainerTree::withValueAt(delegate->creatorPreset(), *path,
                                                           ContainerTree::placedInContainer(*element, *container));
  if (preset) delegate->setCreatorPreset(std::move(*preset));
}

bool ElementOptionActionHandler::parentHasType(std::string_view name, std::string_view type) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return false;
  const std::optional<std::string> parent = delegate->getParentName(name);
  if (!parent || *parent == kRootName) return false;
  const std::optional<Value> container = delegate->findElementInDictionary(*parent);
  return container && container->is_object() && container->contains("type") && (*container)["type"] == type;
}

bool ElementOptionActionHandler::checkIfElementInScrollView(std::string_view name) const {
  return parentHasType(name, "ScrollView");
}

bool ElementOptionActionHandler::checkIfElementInUIView(std::string_view name) const {
  return parentHasType(name, "UIView");
}

Value ElementOptionActionHandler::removeElementFromScrollView(const std::string& name, const Value& dict) const {
  return removeElementFromUIView(name, dict);
}

Value ElementOptionActionHandler::removeElementFromUIView(const std::string& name, const Value& dict) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return dict;
  // The parent as it stands in the canvas's theme: the given one may hold the element twice.
  const std::optional<std::string> parent = delegate->getParentName(name);
  if (!parent) {
    logRefusal("remove " + name + " from its container", "it is not in the theme");
    return dict;
  }
  if (*parent == kRootName) return delegate->removeElementFromPresetViewChildrenScroll(name, dict);
  const std::optional<std::vector<std::string>> path = ContainerTree::pathOf(dict, *parent);
  std::optional<Value> container = ContainerTree::elementNamed(dict, *parent);
  if (!path || !container || !container->is_object()) return dict;
  Value& children = (*container)["children"];
  if (children.is_object()) {
    children.erase(name);
  } else {
    children = Value::object();
  }
  return ContainerTree::withValueAt(dict, *path, std::move(*container)).value_or(dict);
}

void ElementOptionActionHandler::finishEdit(ElementOptionsBuilderDelegate& delegate, bool hidesHint) const {
  if (delegate.implements(Operation::elementOptions)) {
    if (const auto panel = delegate.elementOptions()) panel->removeFromSuperview();
  }
  delegate.setSelectedElement("none");
  if (hidesHint && delegate.implements(Operation::hideHintLabel)) delegate.hideHintLabel();
  delegate.reloadTheme();
  delegate.reloadScrollview();
}

}  // namespace vantile
