#include "DumpSearch.h"

#include "platform/foundation/files/Files.h"

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

platform::Value readDump(const std::filesystem::path& file) {
  const auto text = platform::foundation::readFile(file);
  return text ? platform::Value::parse(*text, nullptr, false) : platform::Value();
}

const platform::Value* findView(const platform::Value& tree, const char* key, const std::string& value) {
  if (!tree.is_object()) return nullptr;
  if (tree.value(key, "") == value) return &tree;
  const auto subviews = tree.find("subviews");
  if (subviews == tree.end() || !subviews->is_array()) return nullptr;
  for (const platform::Value& subview : *subviews) {
    if (const platform::Value* found = findView(subview, key, value)) return found;
  }
  return nullptr;
}

std::optional<FoundView> findViewWithTag(const platform::Value& tree, std::int64_t tag) {
  std::vector<std::string> ancestors;
  std::optional<FoundView> found;
  search(tree, tag, ancestors, found);
  return found;
}

}  // namespace vantile::springboard
