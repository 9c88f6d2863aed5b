#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile::MenuLayout {

// The panel's height for a list of `rowCount` rows (or the "customHeight" given) on a screen
// `screenHeight` points high.
int panelHeight(std::size_t rowCount, std::optional<int> customHeight, double screenHeight);

// The panel's top edge; an 80-point segment-only panel sits 300 points above the bottom edge.
int panelTop(int panelHeight, double screenHeight);

// Whether the row value names a picture: the text between its first dot and the next one
// (or the end) is a picture extension, so "logo.tar.png" is not one.
bool namesPicture(std::string_view value);

// The rows of `rows` whose lower-case form holds the lower-case query, in list order.
std::vector<std::string> rowsMatching(const std::vector<std::string>& rows, std::string_view query);

// Case folding for searches, by Unicode rules.
std::string lowercased(std::string_view text);

// A row's text: five spaces and the value, then " - " and the second column when there is one.
std::string rowText(std::string_view value, const std::optional<std::string>& secondText);

// An array of strings from the menu options; anything not a string is skipped.
std::vector<std::string> strings(const platform::Value& array);

}  // namespace vantile::MenuLayout
