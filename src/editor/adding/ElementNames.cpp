#include "editor/adding/ElementNames.h"

namespace vantile {

namespace {

std::string numberedName(std::string_view base, std::int64_t number) {
  return std::string(base) + "_" + std::to_string(number);
}

}  // namespace

std::string makeNewName(std::string_view base, std::string_view list, std::int64_t count) {
  std::int64_t number = count;
  std::string candidate = numberedName(base, number);
  while (list.find(candidate) != std::string_view::npos) candidate = numberedName(base, ++number);
  return candidate;
}

std::string uniqueElementName(std::string_view name, const std::function<bool(std::string_view)>& isTaken) {
  if (!isTaken(name)) return std::string(name);
  std::int64_t number = 1;
  std::string candidate = numberedName(name, number);
  while (isTaken(candidate)) candidate = numberedName(name, ++number);
  return candidate;
}

}  // namespace vantile
