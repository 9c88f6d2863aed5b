#include "hosts/common/JsonReading.h"

namespace vantile::hosts {

ParsedJson parseJson(std::string_view text) {
  try {
    return {platform::Value::parse(text), {}};
  } catch (const platform::Value::parse_error& error) {
    // Without the parser's "[json.exception.parse_error.101] " prefix.
    const std::string message = error.what();
    const std::size_t prefixEnd = message.find("] ");
    return {platform::Value(), prefixEnd == std::string::npos ? message : message.substr(prefixEnd + 2)};
  }
}

}  // namespace vantile::hosts
