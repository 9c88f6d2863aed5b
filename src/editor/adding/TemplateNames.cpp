#include "editor/adding/TemplateNames.h"

#include <map>

#include "editor/adding/ChildOrder.h"
#include "editor/adding/ElementNames.h"

namespace vantile {

namespace {

using platform::Value;

class InnerRenaming {
 public:
  InnerRenaming(ElementNameSet used, ElementNameSet reserved) : used_(std::move(used)), reserved_(std::move(reserved)) {}

  Value renamed(const Value& element) {
    const Value* children = childrenMapOf(element);
    if (!children) return element;
    Value copy = element;
    Value renamedChildren = Value::object();
    std::map<std::string, std::string, std::less<>> newNames;
    for (const auto& [key, child] : children->items()) {
      std::string name = key;
      if (used_.contains(key)) {
        name = uniqueElementName(key, [this](std::string_view candidate) { return reserved_.contains(candidate); });
        reserved_.insert(name);
        newNames.emplace(key, name);
      }
      used_.insert(name);
      renamedChildren[name] = renamed(child);
    }
    copy["children"] = std::move(renamedChildren);
    const auto order = copy.find("childorder");
    if (!newNames.empty() && order != copy.end() && order->is_string()) {
      std::vector<std::string> names = splitChildOrder(order->get<std::string>());
      for (std::string& name : names) {
        if (const auto renamedTo = newNames.find(name); renamedTo != newNames.end()) name = renamedTo->second;
      }
      *order = joinChildOrder(names);
    }
    return copy;
  }

 private:
  // Names the elements kept or renamed so far stand under, with the theme's and the new one's.
  ElementNameSet used_;
  // Names a renamed element may not take: those and every name of the template.
  ElementNameSet reserved_;
};

}  // namespace

void collectElementNames(const Value& children, ElementNameSet& names) {
  if (!children.is_object()) return;
  for (const auto& [name, child] : children.items()) {
    names.insert(name);
    if (const Value* inner = childrenMapOf(child)) collectElementNames(*inner, names);
  }
}

Value withUniqueInnerNames(const Value& element, std::string_view newName, const ElementNameSet& themeNames) {
  ElementNameSet used = themeNames;
  used.emplace(newName);
  ElementNameSet reserved = used;
  if (const Value* children = childrenMapOf(element)) collectElementNames(*children, reserved);
  return InnerRenaming(std::move(used), std::move(reserved)).renamed(element);
}

}  // namespace vantile
