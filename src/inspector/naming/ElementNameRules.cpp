#include "inspector/naming/ElementNameRules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/helpers/UserFileNames.h"

namespace vantile {

namespace {

constexpr std::size_t kMaximumLength = 100;
constexpr std::string_view kForbiddenCharacters = ",{}[]\"'<>\\|/~";
constexpr std::array<std::string_view, 5> kReservedWords = {"none", "children", "type", "frame", "childorder"};

bool isWhiteSpaceOrLineBreak(char character) {
  return character == ' ' || character == '\t' || character == '\n' || character == '\r' || character == '\v' ||
         character == '\f';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isWhiteSpaceOrLineBreak(text.front())) text.remove_prefix(1);
  while (!text.empty() && isWhiteSpaceOrLineBreak(text.back())) text.remove_suffix(1);
  return text;
}

bool isReservedWord(std::string_view name) {
  std::string lower(name);
  // The reserved words are ASCII: no other character lower-cases into one of their letters.
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char character) { return static_cast<char>(std::tolower(static_cast<unsigned char>(character))); });
  return std::find(kReservedWords.begin(), kReservedWords.end(), lower) != kReservedWords.end();
}

}  // namespace

std::optional<ElementNameProblem> elementNameProblem(std::string_view name,
                                                     const std::function<bool(std::string_view)>& isTaken) {
  const std::string_view candidate = trimmed(name);
  const std::optional<std::size_t> length = utf16Length(candidate);
  if (!length || *length == 0 || *length > kMaximumLength) return ElementNameProblem::length;
  if (candidate.find_first_of(kForbiddenCharacters) != std::string_view::npos) {
    return ElementNameProblem::forbiddenCharacter;
  }
  if (isReservedWord(candidate)) return ElementNameProblem::reservedWord;
  if (isTaken && isTaken(candidate)) return ElementNameProblem::alreadyUsed;
  return std::nullopt;
}

std::string sanitizeElementName(std::string_view typed) {
  std::string name;
  for (const char character : trimmed(typed)) {
    const auto byte = static_cast<unsigned char>(character);
    if (character == ' ') {
      name += '_';
    } else if (byte < 0x80 && (std::isalnum(byte) || character == '_')) {
      name += character;
    }
  }
  return name;
}

}  // namespace vantile
