#include "inspector/bulk/BulkElementTree.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "inspector/naming/ElementNameRules.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

namespace {

bool anyNodeNamed(const BulkElementHierarchyItem& node, std::string_view name) {
  return std::ranges::any_of(node.children, [name](const BulkElementTree::Item& child) {
    return child->elementName == name || anyNodeNamed(*child, name);
  });
}

}  // namespace

BulkElementTree::BulkElementTree(std::vector<std::string> names) : existingElementNames(std::move(names)) {}

BulkElementTree::Item BulkElementTree::addElementWithType(const std::string& type, const Item& parent) {
  std::int64_t number = globalNameCounter;
  std::string name = type + "_" + std::to_string(number);
  while (nameExistsInHierarchy(name)) name = type + "_" + std::to_string(++number);
  globalNameCounter = number + 1;

  auto item = std::make_shared<BulkElementHierarchyItem>(type, std::move(name));
  const Item& home = parent ? parent : rootItem;
  item->parent = home;
  home->children.push_back(item);
  updateFlattenedHierarchy();
  return item;
}

void BulkElementTree::removeItem(const Item& item) {
  const Item parent = item ? item->parent.lock() : nullptr;
  if (!parent) return;
  std::erase(parent->children, item);
  item->parent.reset();
  updateFlattenedHierarchy();
}

bool BulkElementTree::nameExistsInHierarchy(std::string_view name) const {
  return std::ranges::find(existingElementNames, name) != existingElementNames.end() || anyNodeNamed(*rootItem, name);
}

bool BulkElementTree::canElementTypeHaveChildren(std::string_view type) {
  return type == "UIView" || type == "ScrollView" || type == "GlassView";
}

BulkElementTree::Item BulkElementTree::addFromPalette(const std::string& typeOrTemplate) {
  Item parent = std::exchange(currentParentForNewElement, nullptr);
  return addElementWithType(typeOrTemplate, parent);
}

BulkElementTree::Item BulkElementTree::addFromTypeMenu(const std::string& type) {
  return addElementWithType(type, currentParentForNewElement);
}

BulkElementTree::RenameOutcome BulkElementTree::rename(const Item& item, const std::string& newName) {
  if (newName.empty()) return RenameOutcome::emptyRefused;
  if (newName == item->elementName) return RenameOutcome::unchanged;
  const auto problem =
      elementNameProblem(newName, [this](std::string_view name) { return nameExistsInHierarchy(name); });
  if (problem == ElementNameProblem::alreadyUsed) return RenameOutcome::duplicateRefused;
  if (problem) {
    platform::foundation::systemLog("The bulk element name \"" + newName + "\" breaks the element name rules.");
    return RenameOutcome::invalidRefused;
  }
  item->elementName = newName;
  return RenameOutcome::renamed;
}

platform::Value BulkElementTree::convertHierarchyToArray(const std::vector<Item>& items) {
  platform::Value list = platform::Value::array();
  for (const Item& item : items) {
    platform::Value entry = {{"elementType", item->elementType}, {"elementName", item->elementName}};
    if (!item->children.empty()) entry["children"] = convertHierarchyToArray(item->children);
    list.push_back(std::move(entry));
  }
  return list;
}

void BulkElementTree::updateFlattenedHierarchy() {
  flattenedHierarchy_.clear();
  const std::function<void(const Item&, int)> walk = [this, &walk](const Item& node, int level) {
    for (const Item& child : node->children) {
      flattenedHierarchy_.push_back({child, level});
      walk(child, level + 1);
    }
  };
  walk(rootItem, 0);
  // A pending parent deleted meanwhile would take the next node out of the tree with it.
  if (currentParentForNewElement &&
      std::ranges::none_of(flattenedHierarchy_, [this](const Row& row) { return row.item == currentParentForNewElement; })) {
    currentParentForNewElement.reset();
  }
}

}  // namespace vantile
