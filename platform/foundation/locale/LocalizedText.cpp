#include "platform/foundation/locale/LocalizedText.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <memory>

namespace platform::foundation {

namespace {

std::unique_ptr<icu::Collator> makeCaseInsensitiveCollator(bool numeric) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  if (U_FAILURE(status) || !made) return {};
  made->setStrength(icu::Collator::SECONDARY);
  if (numeric) {
    made->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    if (U_FAILURE(status)) return {};
  }
  return made;
}

const icu::Collator* caseInsensitiveCollator() {
  static const std::unique_ptr<icu::Collator> collator = makeCaseInsensitiveCollator(false);
  return collator.get();
}

const icu::Collator* numericCollator() {
  static const std::unique_ptr<icu::Collator> collator = makeCaseInsensitiveCollator(true);
  return collator.get();
}

int compareWith(const icu::Collator* collator, std::string_view left, std::string_view right) {
  const auto leftText = icu::UnicodeString::fromUTF8(icu::StringPiece(left.data(), static_cast<int32_t>(left.size())));
  const auto rightText =
      icu::UnicodeString::fromUTF8(icu::StringPiece(right.data(), static_cast<int32_t>(right.size())));
  if (collator) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = collator->compare(leftText, rightText, status);
    if (U_SUCCESS(status)) return static_cast<int>(result);
  }
  return leftText.caseCompare(rightText, U_FOLD_CASE_DEFAULT);
}

}  // namespace

int localizedCaseInsensitiveCompare(std::string_view left, std::string_view right) {
  return compareWith(caseInsensitiveCollator(), left, right);
}

int localizedStandardCompare(std::string_view left, std::string_view right) {
  return compareWith(numericCollator(), left, right);
}

std::string lowercaseString(std::string_view text) {
  icu::UnicodeString unicode =
      icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  unicode.toLower(icu::Locale::getRoot());
  std::string lowered;
  unicode.toUTF8String(lowered);
  return lowered;
}

std::string capitalizedFirstCharacter(std::string_view text) {
  if (text.empty()) return {};
  int32_t offset = 0;
  UChar32 character = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), offset, static_cast<int32_t>(text.size()), character);
  if (character < 0) return {};
  icu::UnicodeString first(character);
  first.toUpper(icu::Locale::getDefault());
  std::string capitalized;
  first.toUTF8String(capitalized);
  return capitalized;
}

}  // namespace platform::foundation

namespace platform::foundation {

bool startsWithUppercaseLetter(std::string_view text) {
  if (text.empty()) return false;
  int32_t offset = 0;
  UChar32 character = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), offset, static_cast<int32_t>(text.size()), character);
  // A character outside the basic plane starts with a surrogate unit, which is no letter.
  return character >= 0 && character <= 0xFFFF && u_isupper(character);
}

}  // namespace platform::foundation
