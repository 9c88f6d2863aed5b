#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile::springboard {

// A dump the host wrote; null when it is missing or not JSON.
platform::Value readDump(const std::filesystem::path& file);

// The first view whose `key` is `value`, depth first in subview order.
const platform::Value* findView(const platform::Value& tree, const char* key, const std::string& value);

// A view of a dump found by its tag, with the classes of the views above it, window first.
struct FoundView {
  platform::Value view;
  std::vector<std::string> ancestorClasses;
};

// The first view with the tag, depth first in subview order.
std::optional<FoundView> findViewWithTag(const platform::Value& tree, std::int64_t tag);

}  // namespace vantile::springboard
