#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// Whether a search compares the names in their lower-case form or as they are; the query is
// always compared in its lower-case form.
enum class NameCase { asGiven, lowerCased };

// The names holding the query, in list order.
std::vector<std::string> namesContaining(const std::vector<std::string>& names, std::string_view query,
                                         NameCase nameCase);

}  // namespace vantile
