#include "inspector/actions/DuplicateChildNames.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "platform/foundation/values/Strings.h"

namespace vantile::DuplicateChildNames {

namespace {

using platform::Value;

bool isTaken(const std::vector<std::string>& taken, const std::string& name) {
  return std::find(taken.begin(), taken.end(), name) != taken.end();
}

std::string renamedOrder(std::string_view order, const std::map<std::string, std::string, std::less<>>& renames) {
  std::string result;
  bool first = true;
  for (const std::string_view part : platform::foundation::components(order, ",")) {
    if (!first) result += ',';
    first = false;
    const auto renamed = renames.find(part);
    result += renamed == renames.end() ? std::string(part) : renamed->second;
  }
  return result;
}

void collectChildNames(const Value& element, std::vector<std::string>& names) {
  if (!element.is_object()) return;
  const auto children = element.find("children");
  if (children == element.end() || !children->is_object()) return;
  for (const auto& [name, child] : children->items()) {
    names.push_back(name);
    collectChildNames(child, names);
  }
}

// `clashing` holds the names to replace; fresh names avoid `avoided`, which takes each one given.
Value renamedLevel(const Value& element, const std::vector<std::string>& clashing, std::vector<std::string>& avoided,
                   const FreshName& freshName) {
  Value copy = element;
  if (!copy.is_object()) return copy;
  const auto children = element.find("children");
  if (children == element.end() || !children->is_object()) return copy;

  Value renamedChildren = Value::object();
  std::map<std::string, std::string, std::less<>> renames;
  for (const auto& [name, child] : children->items()) {
    std::string fresh = name;
    if (isTaken(clashing, name)) {
      fresh = freshName(name, avoided);
      avoided.push_back(fresh);
      renames.emplace(name, fresh);
    }
    renamedChildren[fresh] = renamedLevel(child, clashing, avoided, freshName);
  }
  copy["children"] = std::move(renamedChildren);
  if (const auto order = copy.find("childorder"); order != copy.end() && order->is_string()) {
    *order = renamedOrder(order->get<std::string>(), renames);
  }
  return copy;
}

}  // namespace

Value withFreshChildNames(const Value& element, std::vector<std::string>& taken, const FreshName& freshName) {
  const std::vector<std::string> clashing = taken;
  // Names of the copy that clash with nothing keep their names, so fresh ones must avoid them too.
  collectChildNames(element, taken);
  return renamedLevel(element, clashing, taken, freshName);
}

}  // namespace vantile::DuplicateChildNames
