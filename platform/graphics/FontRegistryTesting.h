#pragma once

#include <filesystem>

namespace platform::graphics {

// For tests only: the folder where the registry looks for the system font's files
// (Inter-*.otf) instead of Debian's. Has an effect only when called before the registry is
// first used in the process (a death test's child, for instance).
void setSystemFontDirectoryForTesting(const std::filesystem::path& directory);

}  // namespace platform::graphics
