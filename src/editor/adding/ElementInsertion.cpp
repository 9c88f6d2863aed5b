#include "editor/adding/ElementInsertion.h"

#include "editor/adding/ChildOrder.h"
#include "editor/data/CreatorDictHelpers.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

namespace {

using platform::Value;

// The element at the path, or nothing when a step is missing.
Value* elementAt(Value& preset, const KeyPath& path) {
  Value* element = &preset;
  for (const std::string& key : path) {
    if (!element->is_object()) return nullptr;
    const auto next = element->find(key);
    if (next == element->end()) return nullptr;
    element = &*next;
  }
  return element->is_object() ? element : nullptr;
}

Value& childrenMap(Value& element) {
  Value& children = element["children"];
  if (!children.is_object()) children = Value::object();
  return children;
}

void appendToOrder(Value& element, const std::string& name) {
  const auto order = element.find("order");
  if (order != element.end() && order->is_array()) order->push_back(name);
}

bool listsNothing(const Value& childOrder) {
  if (!childOrder.is_string()) return true;
  const auto& text = childOrder.get_ref<const std::string&>();
  return text.empty() || text == "none" || text == "(null)";
}

void appendToChildOrder(Value& parent, const std::string& name) {
  Value& childOrder = parent["childorder"];
  childOrder = listsNothing(childOrder) ? name : childOrder.get<std::string>() + "," + name;
}

void placeAtParentOrigin(Value& element) {
  Value& frame = element["frame"];
  if (!frame.is_object()) frame = Value::object();
  frame["x"] = "0";
  frame["y"] = "0";
}

}  // namespace

std::optional<Value> withNewElement(const Value& preset, Value element, const std::string& name,
                                    const std::string& parent) {
  if (!element.is_object()) {
    platform::foundation::systemLog("The element " + name + " was not added: its description is no dictionary.");
    return std::nullopt;
  }
  Value changed = preset;
  Value* root = changed.is_object() ? elementAt(changed, {kRootElementName}) : nullptr;
  if (!root) {
    platform::foundation::systemLog("The element " + name + " was not added: the theme has no root element.");
    return std::nullopt;
  }
  element = withRepairedChildOrders(std::move(element));
  const KeyPaths paths = CreatorDictHelpers::elementObject(changed);
  const auto parentPath = parent == kRootElementName ? paths.end() : paths.find(parent);
  Value* container = parentPath == paths.end() ? nullptr : elementAt(changed, parentPath->second);
  if (!container) {
    childrenMap(*root)[name] = std::move(element);
    appendToOrder(*root, name);
    return changed;
  }
  placeAtParentOrigin(element);
  childrenMap(*container)[name] = std::move(element);
  appendToOrder(*container, name);
  appendToChildOrder(*container, name);
  return changed;
}

}  // namespace vantile
