#include "elementedit/NameEdits.h"

#include <algorithm>

#include "inspector/actions/ContainerTree.h"
#include "inspector/bulk/BulkElementTree.h"
#include "inspector/naming/ElementNameRules.h"
#include "inspector/naming/ElementReferences.h"
#include "inspector/naming/ElementRenameManager.h"

namespace fuzzing {

namespace {

namespace tree = vantile::ContainerTree;
using platform::Value;

void checkNameRules(const ElementEditInput& input, const std::string& name) {
  const auto isTaken = [&input](std::string_view candidate) {
    return std::find(input.names.begin(), input.names.end(), candidate) != input.names.end();
  };
  (void)vantile::elementNameProblem(name, isTaken);
  const std::string sanitized = vantile::sanitizeElementName(name);
  require(vantile::ElementRenameManager::sanitizeElementName(name) == sanitized);
  require(vantile::elementNameProblem(sanitized, [](std::string_view) { return false; }) !=
          vantile::ElementNameProblem::forbiddenCharacter);
}

void rename(const ElementEditInput& input, const std::string& oldName, const std::string& newName) {
  const std::optional<Value> renamed = vantile::ElementRenameManager::performRename(oldName, newName, input.theme);
  if (!renamed || !input.namesAreUnique || oldName == newName) return;
  require(tree::elementNamed(*renamed, newName).has_value());
  require(!tree::elementNamed(*renamed, oldName).has_value());
  require(tree::parentOf(*renamed, newName) == tree::parentOf(input.theme, oldName));
}

void renameReferences(const ElementEditInput& input, const std::string& oldName, const std::string& newName) {
  const Value& root = input.theme[tree::kRootName];
  if (!root.is_object() || !root.contains("children")) return;
  Value children = root["children"];
  vantile::renameElementReferences(children, oldName, newName);
}

void buildBulkTree(const ElementEditInput& input) {
  vantile::BulkElementTree bulk(input.names);
  static const char* const types[] = {"UIView", "UILabel", "UIScrollView", "GlassView", "UIImageView"};
  std::vector<vantile::BulkElementTree::Item> items;
  for (std::size_t index = 0; index < input.newNames.size(); ++index) {
    const auto parent = items.empty() ? nullptr : items[index % items.size()];
    const std::string type = index % 2 == 0 ? types[index % std::size(types)] : input.newNames[index];
    items.push_back(parent && vantile::BulkElementTree::canElementTypeHaveChildren(parent->elementType)
                        ? bulk.addElementWithType(type, parent)
                        : bulk.addFromPalette(type));
    if (vantile::BulkElementTree::canElementTypeHaveChildren(items.back()->elementType)) {
      bulk.currentParentForNewElement = items.back();
      bulk.addFromTypeMenu(types[index % std::size(types)]);
    }
  }
  for (std::size_t index = 0; index < items.size(); ++index) {
    const std::string& newName = input.newNames[index];
    if (bulk.rename(items[index], newName) == vantile::BulkElementTree::RenameOutcome::renamed) {
      require(bulk.nameExistsInHierarchy(items[index]->elementName));
    }
  }
  (void)bulk.result();
  if (!items.empty()) bulk.removeItem(items.front());
  (void)bulk.result();
}

}  // namespace

void runNameEdits(const ElementEditInput& input) {
  for (const std::string& name : input.newNames) checkNameRules(input, name);
  if (input.theme.is_object() && input.theme.contains(tree::kRootName)) {
    for (const std::string& oldName : input.names) {
      for (const std::string& newName : input.newNames) {
        rename(input, oldName, newName);
        renameReferences(input, oldName, newName);
      }
    }
  }
  buildBulkTree(input);
}

}  // namespace fuzzing
