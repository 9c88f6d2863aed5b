#include "editor/adding/ChildOrder.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace vantile {

namespace {

using platform::Value;
using NameSet = std::set<std::string, std::less<>>;

// "name_" followed by digits only.
bool isRenamedForm(std::string_view key, std::string_view name) {
  if (key.size() <= name.size() + 1 || !key.starts_with(name) || key[name.size()] != '_') return false;
  const std::string_view number = key.substr(name.size() + 1);
  return std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const Value* childrenMapOf(const Value& element) {
  if (!element.is_object()) return nullptr;
  const auto children = element.find("children");
  return children != element.end() && children->is_object() ? &*children : nullptr;
}

std::vector<std::string> splitChildOrder(const std::string& childOrder) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = childOrder.find(',', start);
    names.push_back(childOrder.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return names;
    start = comma + 1;
  }
}

std::string joinChildOrder(const std::vector<std::string>& names) {
  std::string joined;
  for (std::size_t index = 0; index < names.size(); ++index) {
    if (index > 0) joined += ",";
    joined += names[index];
  }
  return joined;
}

std::vector<std::string> getCorrectChildrenByOrder(const Value& element) {
  const Value* children = childrenMapOf(element);
  if (!children) return {};
  std::vector<std::string> keys;
  for (const auto& [key, child] : children->items()) keys.push_back(key);

  std::vector<std::string> listed;
  const auto order = element.find("childorder");
  if (order != element.end() && order->is_string()) listed = splitChildOrder(order->get<std::string>());

  // Exact matches first: a renamed form never takes a child that the order names itself.
  NameSet named;
  for (const std::string& name : listed) {
    if (children->contains(name)) named.insert(name);
  }
  std::vector<std::string> result;
  NameSet taken;
  for (const std::string& name : listed) {
    if (named.contains(name)) {
      if (taken.insert(name).second) result.push_back(name);
      continue;
    }
    const auto renamed = std::ranges::find_if(keys, [&](const std::string& key) {
      return !named.contains(key) && !taken.contains(key) && isRenamedForm(key, name);
    });
    if (renamed != keys.end()) {
      taken.insert(*renamed);
      result.push_back(*renamed);
    }
  }
  for (const std::string& key : keys) {
    if (!taken.contains(key)) result.push_back(key);
  }
  return result;
}

Value& resetChildOrderForElementDict(Value& children) {
  if (!children.is_object()) return children;
  for (auto& [name, child] : children.items()) {
    if (!childrenMapOf(child)) continue;
    child["childorder"] = joinChildOrder(getCorrectChildrenByOrder(child));
    resetChildOrderForElementDict(child["children"]);
  }
  return children;
}

Value withRepairedChildOrders(Value element) {
  if (!childrenMapOf(element)) return element;
  element["childorder"] = joinChildOrder(getCorrectChildrenByOrder(element));
  resetChildOrderForElementDict(element["children"]);
  return element;
}

}  // namespace vantile
