#include "editor/panel/TopLevelOrder.h"

namespace vantile {

using platform::Value;

const Value& documentRoot(const Value& document) {
  static const Value noRoot = Value::object();
  const auto root = document.is_object() ? document.find("PresetView") : document.end();
  return document.is_object() && root != document.end() && root->is_object() ? *root : noRoot;
}

std::vector<std::string> topLevelReorderList(const Value& root) {
  std::vector<std::string> names;
  if (!root.is_object()) return names;
  if (const auto order = root.find("order"); order != root.end() && order->is_array()) {
    for (const Value& name : *order) {
      if (name.is_string()) names.push_back(name.get<std::string>());
    }
    return names;
  }
  if (const auto children = root.find("children"); children != root.end() && children->is_object()) {
    for (const auto& [name, child] : children->items()) names.push_back(name);
  }
  return names;
}

bool storeTopLevelOrder(Value& document, const std::vector<std::string>& list) {
  if (list.empty() || !document.is_object()) return false;
  const auto root = document.find("PresetView");
  if (root == document.end() || !root->is_object()) return false;
  (*root)["order"] = list;
  return true;
}

}  // namespace vantile
