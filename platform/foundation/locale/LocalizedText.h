#pragma once

#include <string>
#include <string_view>

namespace platform::foundation {

// Foundation's localizedCaseInsensitiveCompare: the Unicode collation (ICU's root, so the
// process's POSIX locale does not sort capitals first), ignoring case. Negative, 0 or positive,
// as left sorts before, with or after right.
int localizedCaseInsensitiveCompare(std::string_view left, std::string_view right);

// Foundation's localizedStandardCompare: as above, but runs of digits compare by their numeric
// value ("2Theme" before "10Theme"), as the Finder sorts file names.
int localizedStandardCompare(std::string_view left, std::string_view right);

// Foundation's lowercaseString: every character lower-cased by Unicode's rules (root locale).
std::string lowercaseString(std::string_view text);

// The first character (one code point) of UTF-8 text, capitalised; empty for empty or broken text.
std::string capitalizedFirstCharacter(std::string_view text);

// Whether the text's first UTF-16 unit is a member of the upper-case letter set (ICU's
// upper-case property); false for empty or broken text.
bool startsWithUppercaseLetter(std::string_view text);

}  // namespace platform::foundation
