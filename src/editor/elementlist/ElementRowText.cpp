#include "editor/elementlist/ElementRowText.h"

namespace vantile::ElementRowText {

std::string elementTitle(std::string_view type, std::string_view name, std::size_t childCount, bool isContainer,
                         bool expanded) {
  std::string title;
  if (isContainer && childCount > 0) title = expanded ? "↑" : "↓";
  title.append("(").append(type).append(") ").append(name);
  if (isContainer && childCount > 0) title.append("(").append(std::to_string(childCount)).append(")");
  return title;
}

std::size_t nestedIndentation(std::size_t pathLength) {
  std::size_t factor = 3;
  if (pathLength <= 5) {
    factor = 1;
  } else if (pathLength <= 7) {
    factor = 2;
  }
  return factor * pathLength;
}

std::string rowText(std::string_view title, bool isNested, std::size_t pathLength) {
  const std::size_t spaces = kRowPrefix + (isNested ? nestedIndentation(pathLength) : 0);
  return std::string(spaces, ' ').append(title);
}

std::vector<std::string> orderedNames(const platform::Value& children, const platform::Value* order) {
  std::vector<std::string> names;
  if (order != nullptr && order->is_array()) {
    for (const platform::Value& name : *order) {
      if (name.is_string()) names.push_back(name.get<std::string>());
    }
    return names;
  }
  const platform::Value& map = order != nullptr && order->is_object() ? *order : children;
  if (!map.is_object()) return names;
  for (const auto& entry : map.items()) names.push_back(entry.key());
  return names;
}

bool isContainerType(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

const platform::Value* nonEmptyChildren(const platform::Value& element) {
  if (!element.is_object()) return nullptr;
  const auto children = element.find("children");
  return children != element.end() && children->is_object() && !children->empty() ? &*children : nullptr;
}

}  // namespace vantile::ElementRowText
