#include "editor/canvas/CanvasOrder.h"

#include <algorithm>

#include "platform/foundation/values/Strings.h"

namespace vantile {

std::optional<std::vector<std::string>> rootChildOrder(const platform::Value& root) {
  if (!root.is_object()) return std::nullopt;
  const auto children = root.find("children");
  if (children == root.end() || !children->is_object()) return std::nullopt;

  if (const auto order = root.find("order"); order != root.end()) {
    if (!order->is_array()) return std::nullopt;
    std::vector<std::string> names;
    for (const platform::Value& name : *order) {
      // An entry that is no name can match no child.
      if (name.is_string()) names.push_back(name.get<std::string>());
    }
    return names;
  }

  const auto childorder = root.find("childorder");
  if (childorder == root.end() || !childorder->is_string()) return std::nullopt;
  const std::string& list = childorder->get_ref<const std::string&>();
  if (list.empty() || list == "none") return std::nullopt;
  std::vector<std::string> names;
  for (const std::string_view name : platform::foundation::components(list, ",")) names.emplace_back(name);
  std::reverse(names.begin(), names.end());
  return names;
}

}  // namespace vantile
