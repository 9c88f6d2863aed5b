#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantile::hosts {

// Loads a plug-in library as the phone's loader does: every symbol bound at once, its
// initializers run by the load. It is never unloaded, since what it installed lives on in the
// process (replaced operations, registered classes). Nothing when it loaded, else the reason.
std::optional<std::string> loadPlugIn(const std::filesystem::path& library);

}  // namespace vantile::hosts
