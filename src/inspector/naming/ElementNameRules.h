#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantile {

// What makes a name an element name: the key of the element in its parent's "children", its
// entry in the parent's order and, joined by "~", part of the inspector's style addresses.
enum class ElementNameProblem {
  // 0 or more than 100 UTF-16 units (or no UTF-8 at all).
  length,
  // One of ,{}[]"'<>\|/ or "~", which would break order lists, tokens or style addresses.
  forbiddenCharacter,
  // "none", "children", "type", "frame" or "childorder", in any case.
  reservedWord,
  alreadyUsed,
};

// The first rule the name breaks, tested in the order above on the name with white space and
// line breaks trimmed at both ends; `isTaken` answers the theme's names (case-sensitively).
std::optional<ElementNameProblem> elementNameProblem(std::string_view name,
                                                     const std::function<bool(std::string_view)>& isTaken);

// Typed text as a name: trimmed, spaces made "_", then everything but A–Z, a–z, 0–9 and "_" dropped.
std::string sanitizeElementName(std::string_view typed);

}  // namespace vantile
