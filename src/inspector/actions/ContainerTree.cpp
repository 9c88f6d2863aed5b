#include "inspector/actions/ContainerTree.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/foundation/values/Conversions.h"

namespace vantile::ContainerTree {

namespace {

using platform::Value;

const Value* childrenOf(const Value& element) {
  if (!element.is_object()) return nullptr;
  const auto children = element.find("children");
  if (children == element.end() || !children->is_object()) return nullptr;
  return &*children;
}

bool findPath(const Value& children, std::string_view name, ElementPath& path) {
  for (const auto& [key, child] : children.items()) {
    path.push_back(key);
    if (key == name) return true;
    if (const Value* grandchildren = childrenOf(child)) {
      path.push_back("children");
      if (findPath(*grandchildren, name, path)) return true;
      path.pop_back();
    }
    path.pop_back();
  }
  return false;
}

const Value* valueAt(const Value& preset, const ElementPath& path) {
  const Value* node = &preset;
  for (const std::string& key : path) {
    if (!node->is_object()) return nullptr;
    const auto next = node->find(key);
    if (next == node->end()) return nullptr;
    node = &*next;
  }
  return node;
}

void collectNames(const Value& element, std::vector<std::string>& names) {
  const Value* children = childrenOf(element);
  if (!children) return;
  for (const auto& [key, child] : children->items()) {
    names.push_back(key);
    collectNames(child, names);
  }
}

int halved(const Value* frame, const char* key) {
  if (!frame || !frame->is_object() || !frame->contains(key)) return 0;
  return platform::foundation::intValue((*frame)[key]) / 2;
}

}  // namespace

std::optional<ElementPath> pathOf(const Value& preset, std::string_view name) {
  const Value* root = preset.is_object() && preset.contains(kRootName) ? &preset[kRootName] : nullptr;
  const Value* children = root ? childrenOf(*root) : nullptr;
  if (!children) return std::nullopt;
  ElementPath path = {kRootName, "children"};
  if (!findPath(*children, name, path)) return std::nullopt;
  return path;
}

std::optional<std::string> parentOf(const Value& preset, std::string_view name) {
  const std::optional<ElementPath> path = pathOf(preset, name);
  if (!path) return std::nullopt;
  return (*path)[path->size() - 3];
}

std::optional<Value> elementNamed(const Value& preset, std::string_view name) {
  const std::optional<ElementPath> path = pathOf(preset, name);
  if (!path) return std::nullopt;
  return *valueAt(preset, *path);
}

std::optional<Value> withValueAt(const Value& preset, const ElementPath& path, Value value) {
  if (path.empty()) return std::nullopt;
  Value edited = preset;
  Value* node = &edited;
  for (std::size_t index = 0; index + 1 < path.size(); ++index) {
    if (!node->is_object() || !node->contains(path[index])) return std::nullopt;
    node = &(*node)[path[index]];
  }
  if (!node->is_object()) return std::nullopt;
  (*node)[path.back()] = std::move(value);
  return edited;
}

std::vector<std::string> descendantNames(const Value& element) {
  std::vector<std::string> names;
  collectNames(element, names);
  return names;
}

std::optional<std::string> refusalToMoveInto(const Value& preset, std::string_view name, std::string_view target) {
  const std::optional<Value> element = elementNamed(preset, name);
  if (!element) return std::string(name) + " is not in the theme";
  if (!elementNamed(preset, target)) return std::string(target) + " is not in the theme";
  if (name == target) return std::string(name) + " cannot go into itself";
  const std::vector<std::string> inside = descendantNames(*element);
  if (std::find(inside.begin(), inside.end(), target) != inside.end()) {
    return std::string(name) + " cannot go into " + std::string(target) + ", which it holds";
  }
  if (parentOf(preset, name) == target) return std::string(name) + " is already in " + std::string(target);
  return std::nullopt;
}

Value containerWithChild(const Value& container, const std::string& name, const Value& element) {
  Value edited = container.is_object() ? container : Value::object();
  if (!childrenOf(edited)) edited["children"] = Value::object();
  edited["children"][name] = element;
  return edited;
}

std::optional<Value> withoutElement(const Value& preset, std::string_view name) {
  std::optional<ElementPath> path = pathOf(preset, name);
  if (!path) return std::nullopt;
  path->pop_back();
  Value edited = preset;
  Value* children = &edited;
  for (const std::string& key : *path) children = &(*children)[key];
  children->erase(std::string(name));
  return edited;
}

Value placedInContainer(const Value& element, const Value& container) {
  if (!element.is_object() || !element.contains("frame") || !element["frame"].is_object()) return element;
  Value placed = element;
  Value& frame = placed["frame"];
  const Value* containerFrame = container.is_object() && container.contains("frame") ? &container["frame"] : nullptr;
  constexpr std::pair<const char*, const char*> axes[] = {{"x", "width"}, {"y", "height"}};
  for (const auto& [position, extent] : axes) {
    // Compared as a string reference: GCC 12's -O3 flags the temporary a JSON-to-literal comparison builds.
    const bool centred = frame.contains(position) && frame[position].is_string() &&
                         frame[position].get_ref<const std::string&>() == "center";
    const int offset = centred ? halved(containerFrame, extent) - halved(&element["frame"], extent) : 0;
    frame[position] = std::to_string(offset);
  }
  return placed;
}

}  // namespace vantile::ContainerTree
