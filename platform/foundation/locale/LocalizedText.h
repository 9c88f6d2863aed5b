#pragma once

#include <string>
#include <string_view>

namespace platform::foundation {

// Foundation's localizedCaseInsensitiveCompare: the Unicode collation (ICU's root, so the
// process's POSIX locale does not sort capitals first), ignoring case. Negative, 0 or positive,
// as left sorts before, with or after right.
int localizedCaseInsensitiveCompare(std::string_view left, std::string_view right);

// The first character (one code point) of UTF-8 text, capitalised; empty for empty or broken text.
std::string capitalizedFirstCharacter(std::string_view text);

// Whether the text's first UTF-16 unit is a member of the upper-case letter set (ICU's
// upper-case property); false for empty or broken text.
bool startsWithUppercaseLetter(std::string_view text);

}  // namespace platform::foundation
