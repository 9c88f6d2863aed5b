#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Every path the system names ("/var/mobile/...", or "var/mobile/..." resolved against "/")
// lives inside one device folder chosen by the process; nothing reads or writes outside it.
namespace platform::foundation {

// The device folder: the last one set, else $VANTILE_ROOT, else the working directory.
// Setting an empty path forgets the folder set before, so $VANTILE_ROOT applies again.
std::filesystem::path deviceRoot();
void setDeviceRoot(const std::filesystem::path& root);

// Maps a system path into the device folder. ".." never climbs above the device root.
std::filesystem::path devicePath(std::string_view systemPath);

// The real path to open, with every symbolic link along it followed (folders too). Inside the
// device folder a link may only lead to a place inside it: one whose target lies outside, even
// when a further link would lead back in, makes the path count as missing (nothing, and one log
// line). Files.h does every read and write through it.
std::optional<std::filesystem::path> pathInsideDeviceRoot(const std::filesystem::path& path);

}  // namespace platform::foundation
