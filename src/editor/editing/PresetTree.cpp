#include "editor/editing/PresetTree.h"

#include "editor/data/CreatorDictHelpers.h"

namespace vantile::PresetTree {

namespace {

using platform::Value;

Value* rootOrder(Value& preset) {
  if (!preset.is_object()) return nullptr;
  const auto root = preset.find("PresetView");
  if (root == preset.end() || !root->is_object()) return nullptr;
  const auto order = root->find("order");
  if (order == root->end() || !order->is_array()) return nullptr;
  return &*order;
}

void eraseAll(Value& array, std::string_view name) {
  Value kept = Value::array();
  for (Value& entry : array) {
    if (!(entry.is_string() && entry.get_ref<const std::string&>() == name)) kept.push_back(std::move(entry));
  }
  array = std::move(kept);
}

}  // namespace

std::optional<Value> withElement(const Value& preset, const KeyPath& path, const Value& element) {
  if (path.empty()) return std::nullopt;
  return CreatorDictHelpers::editNestedDict(preset, element, path);
}

void removeRootChild(Value& preset, std::string_view name) {
  if (!preset.is_object()) return;
  const auto root = preset.find("PresetView");
  if (root == preset.end() || !root->is_object()) return;
  const auto children = root->find("children");
  if (children != root->end() && children->is_object()) children->erase(std::string(name));
  if (Value* order = rootOrder(preset)) eraseAll(*order, name);
}

Value containerWithoutChild(const Value& container, std::string_view name) {
  Value changed = container.is_object() ? container : Value::object();
  Value& children = changed["children"];
  if (!children.is_object()) children = Value::object();
  children.erase(std::string(name));
  return changed;
}

Value withoutOrderEntry(const Value& preset, std::string_view name) {
  Value changed = preset;
  if (Value* order = rootOrder(changed)) eraseAll(*order, name);
  return changed;
}

Value withOrderEntryAppended(const Value& preset, const std::string& name) {
  Value changed = preset;
  if (Value* order = rootOrder(changed)) order->push_back(name);
  return changed;
}

}  // namespace vantile::PresetTree
