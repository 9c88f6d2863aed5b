#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantile::springboard {

// The library this build made.
std::filesystem::path builtTweakPath();

// The web widget service built beside the host; nothing when the web engine was missing at build time.
std::optional<std::filesystem::path> builtWebServicePath();

}  // namespace vantile::springboard
