#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

// What an exported theme takes along: the asset files and folders its elements name.
namespace vantile::settings {

// The parsed JSON of the file at the system path; nothing (logged) when it is missing or is
// not JSON.
std::optional<platform::Value> JSONFromFile(std::string_view path);

// Appends the export items of every element of the tree (children at any depth), each value
// once, in the order found. Anything but a dictionary adds nothing.
void getItems(const platform::Value& children, std::vector<std::string>& items);

// How an item is copied.
enum class ExportItemKind { htmlWidget, singleFile, weatherIconSet, signalOrWifiSet };
ExportItemKind exportItemKind(std::string_view item);

// Whether the item stays inside the assets folder: not absolute, no ".." part.
bool isSafeExportItem(std::string_view item);

}  // namespace vantile::settings
