#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// Entries of an element's "frame": "x", "y", "width" or "height" with the text to store.
using FrameEntries = std::vector<std::pair<std::string, std::string>>;

// The theme with the entries written into the "frame" of the element at `path` ("PresetView",
// "children", … the element's name), at any depth; every dictionary along the path is copied
// and `theme` is left as it was. Nothing when the element or its "frame" dictionary is missing.
std::optional<platform::Value> themeWithFrameEntries(const platform::Value& theme, std::span<const std::string> path,
                                                     const FrameEntries& entries);

}  // namespace vantile
