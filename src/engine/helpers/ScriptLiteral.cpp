#include "engine/helpers/ScriptLiteral.h"

#include "platform/foundation/values/Strings.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

std::string scriptStringLiteral(std::string_view text) {
  // Invalid UTF-8 is replaced rather than refused, so every text gives a literal.
  std::string literal = platform::Value(std::string(text)).dump(-1, ' ', false, platform::Value::error_handler_t::replace);
  literal = platform::foundation::replacingOccurrences(literal, "\xE2\x80\xA8", "\\u2028");
  return platform::foundation::replacingOccurrences(literal, "\xE2\x80\xA9", "\\u2029");
}

}  // namespace vantile
