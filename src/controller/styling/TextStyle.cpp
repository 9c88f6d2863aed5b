#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "controller/VantileController.h"

namespace vantile {

namespace {

icu::UnicodeString unicode(std::string_view text) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string utf8(const icu::UnicodeString& text) {
  std::string result;
  text.toUTF8String(result);
  return result;
}

// Words are runs between white space: the first letter of each goes to title case, the rest to lower case.
std::string capitalized(std::string_view text) {
  const icu::UnicodeString source = unicode(text);
  icu::UnicodeString result;
  bool atWordStart = true;
  for (int32_t index = 0; index < source.length(); index = source.moveIndex32(index, 1)) {
    const UChar32 character = source.char32At(index);
    if (u_isUWhiteSpace(character)) {
      result.append(character);
      atWordStart = true;
      continue;
    }
    result.append(atWordStart ? u_totitle(character) : u_tolower(character));
    atWordStart = false;
  }
  return utf8(result);
}

bool isAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char character) { return static_cast<unsigned char>(character) < 0x80; });
}

// ASCII text maps letter by letter, the same in every locale; the tick styles mostly such text.
// Independent of the C locale, which could map letters differently.
char asciiUpper(char character) { return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character; }
char asciiLower(char character) { return character >= 'A' && character <= 'Z' ? character - 'A' + 'a' : character; }

std::string asciiMapped(std::string_view text, char (*map)(char)) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), map);
  return result;
}

}  // namespace

std::string VantileController::setTextStyle(std::string_view style, std::string_view text) {
  if (style == "uppercase") {
    return isAscii(text) ? asciiMapped(text, asciiUpper) : utf8(unicode(text).toUpper(icu::Locale::getRoot()));
  }
  if (style == "lowercase") {
    return isAscii(text) ? asciiMapped(text, asciiLower) : utf8(unicode(text).toLower(icu::Locale::getRoot()));
  }
  if (style == "capitalize") return capitalized(text);
  return std::string(text);
}

}  // namespace vantile
