#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspector/bulk/BulkElementHierarchyItem.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// The tree of the bulk creator as values: automatic names, the rows in display order, the
// pending parent of the next addition, renames and the result list.
class BulkElementTree {
 public:
  using Item = std::shared_ptr<BulkElementHierarchyItem>;

  struct Row {
    Item item;
    int indentLevel = 0;
  };

  enum class RenameOutcome { renamed, unchanged, emptyRefused, duplicateRefused, invalidRefused };

  explicit BulkElementTree(std::vector<std::string> existingElementNames);

  // Under the parent, or the root when none is given; named "<type>_<n>" with the first n from
  // the shared counter whose name is free, the counter then moving past it for good.
  Item addElementWithType(const std::string& type, const Item& parent);
  // Templates are leaves added the same way.
  Item addTemplateWithType(const std::string& templateName, const Item& parent) {
    return addElementWithType(templateName, parent);
  }
  // Takes the node and everything below it out of the tree.
  void removeItem(const Item& item);
  // The name as the theme's and the sheet's names stand, compared exactly.
  bool nameExistsInHierarchy(std::string_view name) const;
  static bool canElementTypeHaveChildren(std::string_view type);

  // A palette tile: under the pending parent if there is one, which it then clears.
  Item addFromPalette(const std::string& typeOrTemplate);
  // A type of the type menu: under the pending parent, which stays.
  Item addFromTypeMenu(const std::string& type);

  // The element name rules hold for typed names; a taken one is told apart for its own alert.
  RenameOutcome rename(const Item& item, const std::string& newName);

  const std::vector<Row>& flattenedHierarchy() const { return flattenedHierarchy_; }
  // The bulk element list: "children" only for nodes that have some.
  static platform::Value convertHierarchyToArray(const std::vector<Item>& items);
  platform::Value result() const { return convertHierarchyToArray(rootItem->children); }

  const Item rootItem = std::make_shared<BulkElementHierarchyItem>("Root", "Root");
  Item currentParentForNewElement;
  std::int64_t globalNameCounter = 1;
  const std::vector<std::string> existingElementNames;

 private:
  void updateFlattenedHierarchy();
  std::vector<Row> flattenedHierarchy_;
};

}  // namespace vantile
