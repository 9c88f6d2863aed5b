#pragma once

#include <string>
#include <string_view>

namespace vantile {

inline constexpr std::string_view kTemplatesFolder = "/var/mobile/Library/VantileAssets/templates/";

// The file a typed template name saves to: spaces become "_", the text is capitalised word by
// word (words end at white space only, so the first letter goes up and every other letter down),
// then ".json" follows. "my clock", "MY CLOCK" and "my_clock" all give "My_clock.json".
std::string templateFileName(std::string_view typedName);

// The name the add-element list shows for a template file: the file name less its ".json".
std::string templateNameOfFile(std::string_view fileName);

}  // namespace vantile
