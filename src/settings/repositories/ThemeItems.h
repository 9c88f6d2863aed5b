#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a catalogue's "downloads" item names, told apart by case-sensitive containment in this order.
namespace vantile::settings::repositories {

enum class ThemeItemKind { WeatherIcons, SignalImages, WifiImages, HTMLWidget, SingleFile };

ThemeItemKind themeItemKind(std::string_view item);

// The item split at every "/".
std::vector<std::string> itemParts(std::string_view item);

// Without any space at all.
std::string withoutSpaces(std::string_view text);

// An image set's folder: the first "/"-separated part, without spaces.
std::string setFolderName(std::string_view item);

// A single file's name: white space and line breaks trimmed from both ends, then "[" and "]".
std::string singleFileName(std::string_view item);

}  // namespace vantile::settings::repositories
