#include <charconv>
#include <string>

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;

namespace {

// Only the plain decimal form of a tag matches, as the text of every entry is compared with it.
std::string nameFromTag(const std::optional<ThemePreset>& preset, std::string_view tagText) {
  if (!preset) return "";
  std::int32_t tag = 0;
  const auto [end, error] = std::from_chars(tagText.data(), tagText.data() + tagText.size(), tag);
  if (error != std::errc{} || end != tagText.data() + tagText.size() || std::to_string(tag) != tagText) return "";
  return preset->nameIndex.nameForTag(tag).value_or("");
}

std::optional<KeyPath> hierarchyIn(const std::optional<ThemePreset>& preset, std::string_view name) {
  if (!preset) return std::nullopt;
  KeyPaths paths = VantileController::elementObject(preset->document);
  auto found = paths.find(name);
  if (found == paths.end()) return std::nullopt;
  return found->second;
}

const Value* childrenOf(const std::optional<ThemePreset>& preset) { return preset ? preset->children() : nullptr; }

}  // namespace

void VantileController::updateReferenceToView(const std::string& name, std::int32_t count,
                                              const std::string& location) {
  if (auto* preset = presetFor(location); preset != nullptr && *preset) (*preset)->nameIndex.record(name, count);
}

ElementRecord VantileController::getElDict(std::string_view name, const std::string& location) {
  ElementRecord record;
  const auto* preset = presetFor(location);
  if (preset == nullptr) return record;
  const auto tag = *preset ? (*preset)->nameIndex.tagForName(name) : std::nullopt;
  record.tag = tag.value_or(0);
  record.view = elementView(location, record.tag);
  if (location != "creator") record.preset = *rootViewFor(location);
  return record;
}

std::string VantileController::getElementNameFromTag(std::string_view tagText) const {
  return nameFromTag(vantilePresetSB, tagText);
}

std::string VantileController::getAnimatingElementNameFromTag(std::string_view tagText) const {
  return nameFromTag(vantileAnimatingPreset, tagText);
}

KeyPaths VantileController::elementObject(const Value& preset) {
  KeyPaths paths;
  const Value& children = conventions::valueFor(conventions::valueFor(preset, "PresetView"), "children");
  if (!children.is_object()) return paths;
  for (const auto& [name, element] : children.items()) {
    paths[name] = {"PresetView", "children", name};
    if (conventions::hasKey(element, "children")) loopChildren(element, paths, name);
  }
  return paths;
}

void VantileController::loopChildren(const Value& element, KeyPaths& paths, const std::string& parentName) {
  const Value& children = conventions::valueFor(element, "children");
  if (!children.is_object()) return;
  for (const auto& [name, child] : children.items()) {
    KeyPath path = paths[parentName];
    path.push_back("children");
    path.push_back(name);
    paths[name] = std::move(path);
    if (conventions::hasKey(child, "children")) loopChildren(child, paths, name);
  }
}

std::optional<KeyPath> VantileController::getElementHierarchy(std::string_view name) const {
  return hierarchyIn(vantilePresetSB, name);
}

std::optional<KeyPath> VantileController::getAnimatingElementHierarchy(std::string_view name) const {
  return hierarchyIn(vantileAnimatingPreset, name);
}

void VantileController::recursivelyFindView(Value& result, const Value& children, std::string_view name) {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    if (key == name) {
      result["foundItem"] = element;
      return;
    }
    if (conventions::hasKey(element, "children")) {
      recursivelyFindView(result, conventions::valueFor(element, "children"), name);
    }
  }
}

Value VantileController::getElementInPreset(std::string_view name, const Value& children) {
  Value result = Value::object();
  recursivelyFindView(result, children, name);
  return result;
}

std::optional<Value> VantileController::getElementDictionaryFromString(std::string_view name, const Value& children) {
  Value result = getElementInPreset(name, children);
  if (!result.contains("foundItem")) return std::nullopt;
  return std::move(result["foundItem"]);
}

const Value* VantileController::getPresetChildren() const { return childrenOf(vantilePresetSB); }
const Value* VantileController::getSBPresetChildren() const { return childrenOf(vantilePresetSB); }
const Value* VantileController::getLSPresetChildren() const { return childrenOf(vantilePreset); }
const Value* VantileController::getAnimatingPresetChildren() const { return childrenOf(vantileAnimatingPreset); }

Value VantileController::editNestedDict(const Value& dictionary, const Value& value,
                                        std::span<const std::string> path) {
  Value edited = dictionary.is_object() ? dictionary : Value::object();
  if (path.empty()) return edited;
  if (path.size() < 2) {
    edited[path.back()] = value;
    return edited;
  }
  const Value& below = conventions::valueFor(dictionary, path.front());
  edited[path.front()] = editNestedDict(below, value, path.subspan(1));
  return edited;
}

}  // namespace vantile
