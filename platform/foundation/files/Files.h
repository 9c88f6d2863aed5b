#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File helpers on real paths (map system paths with devicePath first). None of them throws.
// Inside the device folder a symbolic link leading out of it counts as a missing file, for
// reading and writing alike (see pathInsideDeviceRoot).
namespace platform::foundation {

// fileExists: a regular file is there (symbolic links followed); a folder does not count.
bool fileExists(const std::filesystem::path& path);
bool directoryExists(const std::filesystem::path& path);

// The whole file, or nothing when it is missing or unreadable.
std::optional<std::string> readFile(const std::filesystem::path& path);

// Writes to a temporary file beside the target, then renames it over the target, so a reader
// sees the old or the new contents, never a mix. Creates missing parent folders.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

// Appends with a single write to a file opened for appending, so entries of several processes
// never overwrite one another. Creates the file and missing parent folders.
bool appendToFile(const std::filesystem::path& path, std::string_view contents);

// Names of the entries of a folder, sorted; empty when the folder is missing.
std::vector<std::string> listFolder(const std::filesystem::path& path);

}  // namespace platform::foundation
