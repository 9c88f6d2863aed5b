#include "elementedit/FuzzedNames.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "inspector/actions/ContainerTree.h"
#include "platform/foundation/values/ValueParsing.h"

namespace fuzzing {

namespace {

// Enough to pair names with each other without the run slowing to a crawl.
constexpr std::size_t kThemeNames = 6;
constexpr std::size_t kInputNames = 6;

const std::vector<std::string>& oddNames() {
  static const std::vector<std::string> names = {"", "PresetView", "children", "frame", "a~b", "none", " ü "};
  return names;
}

std::vector<std::string> inputLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty() && lines.size() < kInputNames) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace

ElementEditInput splitElementEditInput(std::string_view data) {
  ElementEditInput input;
  const std::size_t split = std::min(data.find('\0'), data.size());
  input.themeText = std::string(data.substr(0, split));
  input.theme = platform::foundation::parseValue(input.themeText).value_or(platform::Value());
  const std::string_view nameText = data.substr(std::min(split + 1, data.size()));

  std::vector<std::string> themeNames;
  if (input.theme.is_object()) {
    if (const auto root = input.theme.find("PresetView"); root != input.theme.end()) {
      themeNames = vantile::ContainerTree::descendantNames(*root);
    }
  }
  input.namesAreUnique = std::set<std::string>(themeNames.begin(), themeNames.end()).size() == themeNames.size();
  if (themeNames.size() > kThemeNames) themeNames.resize(kThemeNames);

  input.newNames = inputLines(nameText);
  input.newNames.insert(input.newNames.end(), oddNames().begin(), oddNames().end());
  input.names = themeNames;
  input.names.insert(input.names.end(), input.newNames.begin(), input.newNames.end());
  return input;
}

void require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace fuzzing
