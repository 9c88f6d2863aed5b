#include "elementedit/ContainerEdits.h"

#include <algorithm>

#include "inspector/actions/ContainerTree.h"
#include "inspector/actions/DuplicateChildNames.h"

namespace fuzzing {

namespace {

namespace tree = vantile::ContainerTree;
using platform::Value;

std::size_t nameCount(const Value& theme) {
  return tree::descendantNames(theme[tree::kRootName]).size();
}

// The element taken from where it stands and stored under the target, as a picked move does.
void moveInto(const ElementEditInput& input, const std::string& name, const std::string& target) {
  if (tree::refusalToMoveInto(input.theme, name, target)) return;
  const std::optional<Value> element = tree::elementNamed(input.theme, name);
  const std::optional<Value> without = tree::withoutElement(input.theme, name);
  require(element && without);
  const std::optional<Value> container = tree::elementNamed(*without, target);
  const std::optional<tree::ElementPath> path = tree::pathOf(*without, target);
  require(container && path);
  const Value placed = tree::placedInContainer(*element, *container);
  const std::optional<Value> moved = tree::withValueAt(*without, *path, tree::containerWithChild(*container, name, placed));
  require(moved.has_value());
  if (!input.namesAreUnique) return;
  require(tree::parentOf(*moved, name) == target);
  require(nameCount(*moved) == nameCount(input.theme));
}

void moveOut(const ElementEditInput& input, const std::string& name) {
  const std::optional<Value> element = tree::elementNamed(input.theme, name);
  std::optional<Value> without = tree::withoutElement(input.theme, name);
  require(element.has_value() == without.has_value());
  if (!without) return;
  if (input.namesAreUnique) require(!tree::pathOf(*without, name));
  if (!(*without)[tree::kRootName].is_object()) return;
  Value& top = (*without)[tree::kRootName];
  top = tree::containerWithChild(top, name, *element);
  if (input.namesAreUnique) require(tree::parentOf(*without, name) == std::string(tree::kRootName));
}

void copyWithFreshChildNames(const ElementEditInput& input, const std::string& name) {
  const std::optional<Value> element = tree::elementNamed(input.theme, name);
  if (!element) return;
  std::vector<std::string> taken = tree::descendantNames(input.theme[tree::kRootName]);
  const std::vector<std::string> before = taken;
  const Value copy = vantile::DuplicateChildNames::withFreshChildNames(
      *element, taken, [](const std::string& base, const std::vector<std::string>& names) {
        for (int count = 1;; ++count) {
          std::string candidate = base + "_" + std::to_string(count);
          if (std::find(names.begin(), names.end(), candidate) == names.end()) return candidate;
        }
      });
  for (const std::string& child : tree::descendantNames(copy)) {
    require(std::find(before.begin(), before.end(), child) == before.end());
  }
}

}  // namespace

void runContainerEdits(const ElementEditInput& input) {
  if (!input.theme.is_object() || !input.theme.contains(tree::kRootName)) return;
  for (const std::string& name : input.names) {
    moveOut(input, name);
    copyWithFreshChildNames(input, name);
    for (const std::string& target : input.names) moveInto(input, name, target);
  }
}

}  // namespace fuzzing
