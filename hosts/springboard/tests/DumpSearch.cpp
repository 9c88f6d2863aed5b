#include "DumpSearch.h"

namespace vantile::springboard {

namespace {

bool search(const platform::Value& view, std::int64_t tag, std::vector<std::string>& ancestors,
            std::optional<FoundView>& found) {
  if (view.value("tag", std::int64_t{-1}) == tag) {
    found = FoundView{view, ancestors};
    return true;
  }
  ancestors.push_back(view.value("class", ""));
  for (const platform::Value& subview : view.value("subviews", platform::Value::array())) {
    if (search(subview, tag, ancestors, found)) {
      return true;
    }
  }
  ancestors.pop_back();
  return false;
}

}  // namespace

std::optional<FoundView> findViewWithTag(const platform::Value& tree, std::int64_t tag) {
  std::vector<std::string> ancestors;
  std::optional<FoundView> found;
  search(tree, tag, ancestors, found);
  return found;
}

}  // namespace vantile::springboard
