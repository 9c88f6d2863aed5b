#pragma once

#include <nlohmann/json.hpp>

namespace platform {

// Element descriptions, presets, catalogues and settings values. Dictionaries keep their
// insertion order, so files the system rewrites keep their layout.
using Value = nlohmann::ordered_json;

}  // namespace platform
