#include "editor/data/CreatorDictHelpers.h"

#include <algorithm>
#include <array>

#include "controller/animation/AnimationTargets.h"
#include "engine/builders/ElementFactoryConventions.h"

namespace vantile {

using platform::Value;
using conventions::hasKey;
using conventions::valueFor;

namespace {

bool isOneOf(const Value& type, std::span<const std::string_view> names) {
  if (!type.is_string()) return false;
  const auto& text = type.get_ref<const std::string&>();
  return std::find(names.begin(), names.end(), text) != names.end();
}

constexpr std::array<std::string_view, 2> kPlainContainers = {"UIView", "GlassView"};
constexpr std::array<std::string_view, 3> kContainers = {"UIView", "ScrollView", "GlassView"};
constexpr std::array<std::string_view, 2> kDictionaryStyles = {"textShadow", "frame"};

bool isDictionaryStyle(std::string_view key) {
  return std::find(kDictionaryStyles.begin(), kDictionaryStyles.end(), key) != kDictionaryStyles.end();
}

const Value& emptyObject() {
  static const Value empty = Value::object();
  return empty;
}

}  // namespace

CreatorDictHelpers& CreatorDictHelpers::sharedInstance() {
  static CreatorDictHelpers shared;
  return shared;
}

bool CreatorDictHelpers::checkIfInUIView(std::string_view name, const Value& children) const {
  Value result = Value::object();
  isInUIView(result, children, name, false);
  return result.value("isInUIView", "") == "yes";
}

void CreatorDictHelpers::isInUIView(Value& result, const Value& children, std::string_view name, bool isChild) const {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    if (key == name) {
      result["isInUIView"] = isChild ? "yes" : "no";
      return;
    }
    if (hasKey(element, "children")) {
      isInUIView(result, valueFor(element, "children"), name, isOneOf(valueFor(element, "type"), kPlainContainers));
    }
  }
}

void CreatorDictHelpers::recursivelyFindUIView(std::vector<std::string>& names, const Value& children) const {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    if (!isOneOf(valueFor(element, "type"), kContainers)) continue;
    names.push_back(key);
    if (hasKey(element, "children")) recursivelyFindUIView(names, valueFor(element, "children"));
  }
}

void CreatorDictHelpers::recursivelyFindApps(std::vector<std::string>& names, const Value& children) const {
  if (!children.is_object()) return;
  constexpr std::array<std::string_view, 1> appIcon = {"AppIcon"};
  for (const auto& [key, element] : children.items()) {
    if (!isOneOf(valueFor(element, "type"), appIcon)) continue;
    names.push_back(key);
    if (hasKey(element, "children")) recursivelyFindApps(names, valueFor(element, "children"));
  }
}

void CreatorDictHelpers::recursivelyFindViews(std::vector<std::string>& names, const Value& children) const {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    names.push_back(key);
    if (hasKey(element, "children")) recursivelyFindViews(names, valueFor(element, "children"));
  }
}

void CreatorDictHelpers::recursivelyFindElements(Value& result, const Value& children, std::string_view style,
                                                 std::string_view parentStyle) const {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    if (isDictionaryStyle(parentStyle)) {
      if (hasKey(element, parentStyle)) result[key] = valueFor(element, parentStyle);
    } else if (hasKey(element, style)) {
      const Value& value = valueFor(element, style);
      result[key] = isDictionaryStyle(style) ? Value(dictionaryToString(value)) : value;
    }
    if (isOneOf(valueFor(element, "type"), kContainers) && hasKey(element, "children")) {
      recursivelyFindElements(result, valueFor(element, "children"), style, parentStyle);
    }
  }
}

std::string CreatorDictHelpers::dictionaryToString(const Value& value) {
  return value.dump(-1, ' ', false, Value::error_handler_t::replace);
}

std::optional<Value> CreatorDictHelpers::getElementTypeFromString(std::string_view name, const Value& children) const {
  return getElementObjectFromString(name, "type", children);
}

std::optional<Value> CreatorDictHelpers::getElementChildrenFromString(std::string_view name,
                                                                      const Value& children) const {
  return getElementObjectFromString(name, "children", children);
}

std::optional<Value> CreatorDictHelpers::findElementInDictionary(std::string_view name) const {
  return getElementDictionaryFromString(name, getPresetChildren());
}

std::optional<std::string> CreatorDictHelpers::getParentName(std::string_view name) const {
  const auto path = getElementHierarchy(name);
  if (!path || path->size() < 3) return std::nullopt;
  return (*path)[path->size() - 3];
}

Value CreatorDictHelpers::addToElementChildren(std::string_view parentName, const Value& childInfo,
                                               const std::string& childName) const {
  Value theme = preset().is_object() ? preset() : Value::object();
  if (parentName == "PresetView") {
    Value& root = theme["PresetView"];
    if (!root.is_object()) root = Value::object();
    Value& children = root["children"];
    if (!children.is_object()) children = Value::object();
    children[childName] = childInfo;
    if (auto order = root.find("order"); order != root.end() && order->is_array()) order->push_back(childName);
    return theme;
  }
  const auto path = getElementHierarchy(parentName);
  auto parent = findElementInDictionary(parentName);
  if (!path || !parent || !parent->is_object()) return theme;
  auto children = parent->find("children");
  if (children == parent->end() || !children->is_object()) return theme;
  (*children)[childName] = childInfo;
  return editNestedDict(theme, *parent, *path);
}

void CreatorDictHelpers::recursivelyFindView(Value& result, const Value& children, std::string_view name) {
  VantileController::recursivelyFindView(result, children, name);
}

Value CreatorDictHelpers::getElementInPreset(std::string_view name, const Value& children) {
  return VantileController::getElementInPreset(name, children);
}

std::optional<Value> CreatorDictHelpers::getElementDictionaryFromString(std::string_view name, const Value& children) {
  return VantileController::getElementDictionaryFromString(name, children);
}

std::optional<Value> CreatorDictHelpers::getElementObjectFromString(std::string_view name, std::string_view key,
                                                                    const Value& children) {
  return AnimationTargets::getElementObjectFromString(name, key, &children);
}

KeyPaths CreatorDictHelpers::elementObject(const Value& preset) { return VantileController::elementObject(preset); }

void CreatorDictHelpers::loopChildren(const Value& element, KeyPaths& paths, const std::string& parentName) {
  VantileController::loopChildren(element, paths, parentName);
}

Value CreatorDictHelpers::editNestedDict(const Value& dictionary, const Value& value,
                                         std::span<const std::string> path) {
  return VantileController::editNestedDict(dictionary, value, path);
}

const Value& CreatorDictHelpers::preset() const { return creatorPreset ? creatorPreset() : emptyObject(); }

const Value& CreatorDictHelpers::getPresetChildren() const {
  return valueFor(valueFor(preset(), "PresetView"), "children");
}

std::optional<KeyPath> CreatorDictHelpers::getElementHierarchy(std::string_view name) const {
  const KeyPaths paths = elementObject(preset());
  const auto found = paths.find(name);
  if (found == paths.end()) return std::nullopt;
  return found->second;
}

}  // namespace vantile
