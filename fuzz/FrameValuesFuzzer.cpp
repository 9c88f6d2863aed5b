// Arbitrary bytes through the frame resolver, the colour reader and the expression evaluator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/helpers/VantileHelpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  vantile::VantileHelpers::uiColorFromString(text);
  vantile::VantileHelpers::doMathWithString(text);

  // Split the input into the four frame values at NUL bytes, so one input exercises all keys.
  std::string parts[4];
  std::size_t part = 0;
  for (const char character : text) {
    if (character == '\0' && part < 3) {
      ++part;
    } else {
      parts[part] += character;
    }
  }
  platform::Value frame = platform::Value::object();
  const char* keys[] = {"x", "y", "width", "height"};
  for (std::size_t index = 0; index <= part; ++index) {
    frame[keys[index]] = parts[index];
  }
  vantile::VantileHelpers::getRect(frame, platform::graphics::Rect(0, 0, 375, 812));
  return 0;
}
