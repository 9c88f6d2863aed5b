#include "engine/helpers/UserFileNames.h"

#include <cstdint>

namespace vantile {

namespace {
constexpr std::size_t kMaximumLength = 100;
}  // namespace

std::optional<std::size_t> utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t index = 0; index < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[index]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
      length = 1;
      codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      codePoint = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (index + length > text.size()) return std::nullopt;
    for (std::size_t offset = 1; offset < length; ++offset) {
      const auto next = static_cast<std::uint8_t>(text[index + offset]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no UTF-8.
    constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return std::nullopt;
    }
    units += codePoint >= 0x10000 ? 2 : 1;
    index += length;
  }
  return units;
}

bool isAcceptableUserFileName(std::string_view name) {
  const std::optional<std::size_t> length = utf16Length(name);
  if (!length || *length == 0 || *length > kMaximumLength) return false;
  if (name.front() == '.') return false;  // also "." and ".."
  return name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
}

}  // namespace vantile
