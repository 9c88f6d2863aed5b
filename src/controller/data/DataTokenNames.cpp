#include "controller/data/DataTokenNames.h"

#include <cstddef>

namespace vantile {

namespace {

// Length of the line terminator at `position` (the ones "." of a regular expression stops at), or 0.
std::size_t lineTerminatorLength(std::string_view text, std::size_t position) {
  const auto byte = static_cast<unsigned char>(text[position]);
  if (byte >= 0x0A && byte <= 0x0D) return 1;
  const std::string_view rest = text.substr(position);
  if (rest.starts_with("\xC2\x85")) return 2;
  if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) return 3;
  return 0;
}

}  // namespace

std::vector<std::string_view> dataTokenNames(std::string_view text) {
  std::vector<std::string_view> names;
  std::size_t start = text.find('[');
  while (start != std::string_view::npos) {
    std::size_t position = start + 1;
    while (position < text.size() && text[position] != ']' && lineTerminatorLength(text, position) == 0) ++position;
    if (position < text.size() && text[position] == ']') {
      names.push_back(text.substr(start + 1, position - start - 1));
      start = text.find('[', position + 1);
    } else {
      start = text.find('[', start + 1);
    }
  }
  return names;
}

}  // namespace vantile
