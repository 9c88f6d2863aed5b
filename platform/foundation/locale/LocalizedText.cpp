#include "platform/foundation/locale/LocalizedText.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <memory>

namespace platform::foundation {

namespace {

const icu::Collator* caseInsensitiveCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !made) return std::unique_ptr<icu::Collator>();
    made->setStrength(icu::Collator::SECONDARY);
    return made;
  }();
  return collator.get();
}

}  // namespace

int localizedCaseInsensitiveCompare(std::string_view left, std::string_view right) {
  const auto leftText = icu::UnicodeString::fromUTF8(icu::StringPiece(left.data(), static_cast<int32_t>(left.size())));
  const auto rightText = icu::UnicodeString::fromUTF8(icu::StringPiece(right.data(), static_cast<int32_t>(right.size())));
  if (const icu::Collator* collator = caseInsensitiveCollator()) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = collator->compare(leftText, rightText, status);
    if (U_SUCCESS(status)) return static_cast<int>(result);
  }
  return leftText.caseCompare(rightText, U_FOLD_CASE_DEFAULT);
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
