#pragma once

#include <optional>
#include <string_view>

namespace vantile {

// The one rule for every name a user types that becomes a file name (themes, templates,
// pictures): 1 to 100 characters (UTF-16 units), none of "/", "\", ":" or NUL, not "." or
// "..", and no leading "." — so a name never leaves its folder nor hides in it.
bool isAcceptableUserFileName(std::string_view name);

// What the refusal alert says.
inline constexpr std::string_view kUserFileNameRule =
    "Names must have 1 to 100 characters, must not start with \".\" and must not contain \"/\", \"\\\" or \":\".";

// The length in UTF-16 units; nothing for text that is not UTF-8.
std::optional<std::size_t> utf16Length(std::string_view text);

}  // namespace vantile
