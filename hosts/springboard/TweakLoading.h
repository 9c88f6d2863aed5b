#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantile::springboard {

// Loads the tweak as the phone's loader does: every symbol bound at once, its initializers run
// by the load. It is never unloaded, since its replacements live on in the runtime's classes.
// Nothing when it loaded, else the loader's reason.
std::optional<std::string> loadTweak(const std::filesystem::path& library);

// The library this build made.
std::filesystem::path builtTweakPath();

// The web widget service built beside the host; nothing when the web engine was missing at build time.
std::optional<std::filesystem::path> builtWebServicePath();

}  // namespace vantile::springboard
