#pragma once

#include <string>
#include <string_view>

namespace vantile {

// The text as a script string literal: JSON-encoded (quotes, backslashes and control
// characters escaped) with U+2028 and U+2029 escaped too, so no value can end the string
// or the statement it is placed in.
std::string scriptStringLiteral(std::string_view text);

}  // namespace vantile
