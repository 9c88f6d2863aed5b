#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace fuzzing {

// What one input gives the element edits.
struct ElementEditInput {
  std::string themeText;
  // Parsed theme text; null when it is not JSON.
  platform::Value theme;
  // Element names of the theme, then names from the input, then names that break the naming rules.
  std::vector<std::string> names;
  // Only names from the input and odd ones, for renames and bulk items.
  std::vector<std::string> newNames;
  // No element name is used twice, so an edit can be checked by where the names end up.
  bool namesAreUnique = false;
};

ElementEditInput splitElementEditInput(std::string_view data);

// Stops the run so that libFuzzer reports the input.
void require(bool holds);

}  // namespace fuzzing
