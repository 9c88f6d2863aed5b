#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"

namespace vantile::hosts {

// The value of a JSON text, or the parser's reason it is not JSON ("parse error at line 3,
// column 5: ..."), the value then null.
struct ParsedJson {
  platform::Value value;
  std::string error;

  bool isJson() const { return error.empty(); }
};

ParsedJson parseJson(std::string_view text);

}  // namespace vantile::hosts
