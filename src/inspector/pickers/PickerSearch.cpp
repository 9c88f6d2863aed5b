#include "inspector/pickers/PickerSearch.h"

#include "inspector/menu/MenuLayout.h"

namespace vantile {

std::vector<std::string> namesContaining(const std::vector<std::string>& names, std::string_view query,
                                         NameCase nameCase) {
  const std::string needle = MenuLayout::lowercased(query);
  std::vector<std::string> found;
  for (const std::string& name : names) {
    const std::string haystack = nameCase == NameCase::lowerCased ? MenuLayout::lowercased(name) : name;
    if (haystack.find(needle) != std::string::npos) found.push_back(name);
  }
  return found;
}

}  // namespace vantile
