#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"

namespace vantile::springboard {

// A view of a dump found by its tag, with the classes of the views above it, window first.
struct FoundView {
  platform::Value view;
  std::vector<std::string> ancestorClasses;
};

// The first view with the tag, depth first in subview order.
std::optional<FoundView> findViewWithTag(const platform::Value& tree, std::int64_t tag);

}  // namespace vantile::springboard
