// The rename on the parsed theme: only keys of "children" dictionaries, the order lists and the
// references to the element change, so no style key is ever touched.
#include "inspector/naming/ElementReferences.h"
#include "inspector/naming/ElementRenameManager.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/Strings.h"

namespace vantile {

namespace {

using platform::Value;

// The dictionary with the key renamed where it stands, so the drawing order keeps.
Value withKeyRenamed(const Value& dictionary, const std::string& oldName, const std::string& newName) {
  Value renamed = Value::object();
  for (const auto& [key, value] : dictionary.items()) renamed[key == oldName ? newName : key] = value;
  return renamed;
}

void renameInChildOrder(Value& owner, const std::string& oldName, const std::string& newName) {
  const auto childorder = owner.find("childorder");
  if (childorder == owner.end() || !childorder->is_string() || *childorder == "none") return;
  const std::string names = childorder->get<std::string>();
  std::string rewritten;
  bool first = true;
  for (const std::string_view part : platform::foundation::components(names, ",")) {
    if (!first) rewritten += ',';
    first = false;
    rewritten += part == oldName ? std::string_view(newName) : part;
  }
  *childorder = std::move(rewritten);
}

void renameInRootOrder(Value& root, const std::string& oldName, const std::string& newName) {
  const auto order = root.find("order");
  if (order == root.end() || !order->is_array()) return;
  for (Value& entry : *order) {
    if (entry.is_string() && entry.get_ref<const std::string&>() == oldName) entry = newName;
  }
}

const Value* rootChildren(const Value& preset) {
  if (!preset.is_object()) return nullptr;
  const auto root = preset.find("PresetView");
  if (root == preset.end() || !root->is_object()) return nullptr;
  const auto children = root->find("children");
  if (children == root->end() || !children->is_object()) return nullptr;
  return &*children;
}

}  // namespace

std::optional<Value> ElementRenameManager::performRename(const std::string& oldName, const std::string& newName,
                                                         const Value& preset) {
  const Value* children = rootChildren(preset);
  if (children == nullptr) {
    platform::foundation::systemLog("Rename: the theme has no root children");
    return std::nullopt;
  }
  // Two elements under one name would make one of them unreachable.
  std::vector<std::string> conflicts;
  findConflictsForName(newName, *children, conflicts);
  if (!conflicts.empty()) {
    platform::foundation::systemLog("Rename: an element is already named " + newName);
    return std::nullopt;
  }
  Value renamed = preset;
  Value& root = renamed["PresetView"];
  if (!renameElementInChildren(root, oldName, newName, ChildrenOwner::root)) {
    platform::foundation::systemLog("Rename: no element named " + oldName);
    return std::nullopt;
  }
  renameElementReferences(root["children"], oldName, newName);
  return renamed;
}

bool ElementRenameManager::renameElementInChildren(Value& owner, const std::string& oldName,
                                                   const std::string& newName, ChildrenOwner kind) {
  if (!owner.is_object()) return false;
  const auto children = owner.find("children");
  if (children == owner.end() || !children->is_object()) return false;
  if (children->contains(oldName)) {
    *children = withKeyRenamed(*children, oldName, newName);
    if (kind == ChildrenOwner::root) renameInRootOrder(owner, oldName, newName);
    renameInChildOrder(owner, oldName, newName);
    return true;
  }
  for (auto& [key, element] : children->items()) {
    if (renameElementInChildren(element, oldName, newName, ChildrenOwner::container)) return true;
  }
  return false;
}

void ElementRenameManager::findConflictsForName(std::string_view name, const Value& children,
                                                std::vector<std::string>& conflicts) {
  if (!children.is_object()) return;
  for (const auto& [key, element] : children.items()) {
    if (key == name) conflicts.push_back(key);
    if (element.is_object()) {
      if (const auto nested = element.find("children"); nested != element.end()) {
        findConflictsForName(name, *nested, conflicts);
      }
    }
  }
}

}  // namespace vantile
