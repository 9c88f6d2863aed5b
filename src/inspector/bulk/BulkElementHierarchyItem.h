#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vantile {

// One node of the tree the bulk creator builds before anything reaches the theme.
struct BulkElementHierarchyItem {
  BulkElementHierarchyItem(std::string type, std::string name)
      : elementType(std::move(type)), elementName(std::move(name)) {}

  // An element type, a template name, or "Root".
  std::string elementType;
  std::string elementName;
  std::vector<std::shared_ptr<BulkElementHierarchyItem>> children;
  std::weak_ptr<BulkElementHierarchyItem> parent;
};

}  // namespace vantile
