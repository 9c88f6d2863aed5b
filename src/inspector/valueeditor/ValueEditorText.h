#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a picked suggestion changes the value editor's text.
namespace vantile::ValueEditorText {

// The text without any "none", then the key as a data token: "none" + date → "[date]".
std::string appendDataToken(std::string_view text, std::string_view key);

// Animation steps inside braces: a step already there is removed (every time it occurs), any
// other one appended: "{x:0,}" + "alpha:0," → "{x:0,alpha:0,}", then + "x:0," → "{alpha:0,}".
std::string toggleStep(std::string_view text, std::string_view step);

// The picked image set inside the folder of its kind ("signal", "wifi"); the set alone for
// any other kind.
std::string imageSetPath(std::string_view folderType, std::string_view set);

// The page of a web-widget folder, as a file URL.
std::string webWidgetPage(std::string_view folder);

// The app identifiers a user may choose: without the system's own services, sorted
// case-insensitively.
std::vector<std::string> userAppBundles(std::vector<std::string> identifiers);

}  // namespace vantile::ValueEditorText
