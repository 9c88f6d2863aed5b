#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantile {

// `base` + "_" + n for the first n from `count` whose text occurs nowhere in `list`. The test is
// on substrings of one text (a JSON text or a printed name list), so a name of the list that
// merely contains the candidate also makes it skip: the result never clashes, it may skip numbers.
std::string makeNewName(std::string_view base, std::string_view list, std::int64_t count);

// The name itself when `isTaken` refuses it not, else `name` + "_" + n for the first free n from 1.
std::string uniqueElementName(std::string_view name, const std::function<bool(std::string_view)>& isTaken);

}  // namespace vantile
