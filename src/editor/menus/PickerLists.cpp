#include "editor/menus/PickerLists.h"

#include <algorithm>

#include "platform/foundation/locale/LocalizedText.h"

namespace vantile::PickerLists {

namespace {

using platform::Value;

std::vector<std::string> splitAtCommas(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    parts.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return parts;
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<std::string> sortedCaseInsensitive(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return names;
}

std::vector<std::string> childrenOrderList(std::string_view childorder, const Value& children) {
  std::vector<std::string> list;
  if (!children.is_object()) return list;
  if (childorder != "none") {
    std::vector<std::string> named = splitAtCommas(childorder);
    std::reverse(named.begin(), named.end());
    for (std::string& name : named) {
      if (children.contains(name) && !contains(list, name)) list.push_back(std::move(name));
    }
  }
  for (const auto& [name, child] : children.items()) {
    if (!contains(list, name)) list.push_back(name);
  }
  return list;
}

std::string childorderFromPanel(const std::vector<std::string>& saved) {
  std::string joined;
  for (auto name = saved.rbegin(); name != saved.rend(); ++name) {
    if (!joined.empty()) joined += ',';
    joined += *name;
  }
  return joined;
}

std::string animationWithToggledTarget(const Value& animation, const std::string& target) {
  Value targets = animation.is_object() ? animation : Value::object();
  if (targets.contains(target)) {
    targets.erase(target);
  } else {
    targets[target] = Value::object();
  }
  return targets.empty() ? "none" : targets.dump();
}

std::string withDataToken(const Value* text, std::string_view key) {
  // "none" is the templates' word for no text: a token replaces it rather than following it.
  std::string appended = text && text->is_string() && *text != "none" ? text->get<std::string>() : std::string();
  return ((appended += '[') += key) += ']';
}

}  // namespace vantile::PickerLists
