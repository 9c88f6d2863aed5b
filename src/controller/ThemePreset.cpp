#include "controller/ThemePreset.h"

namespace vantile {

void NameIndex::record(const std::string& name, std::int32_t tag) {
  if (auto found = positions_.find(name); found != positions_.end()) {
    entries_[found->second].second = tag;
    return;
  }
  positions_.emplace(name, entries_.size());
  entries_.emplace_back(name, tag);
}

std::optional<std::int32_t> NameIndex::tagForName(std::string_view name) const {
  auto found = positions_.find(std::string(name));
  if (found == positions_.end()) return std::nullopt;
  return entries_[found->second].second;
}

std::optional<std::string> NameIndex::nameForTag(std::int32_t tag) const {
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    if (entry->second == tag) return entry->first;
  }
  return std::nullopt;
}

const platform::Value* ThemePreset::presetView() const {
  if (!document.is_object()) return nullptr;
  auto found = document.find("PresetView");
  return found == document.end() ? nullptr : &*found;
}

const platform::Value* ThemePreset::children() const {
  const platform::Value* root = presetView();
  if (root == nullptr || !root->is_object()) return nullptr;
  auto found = root->find("children");
  return found == root->end() ? nullptr : &*found;
}

}  // namespace vantile
