#include "controller/loading/ThemePreset.h"

namespace vantile {

void NameIndex::record(const std::string& name, std::int32_t tag) {
  if (auto found = positions_.find(name); found != positions_.end()) {
    auto& [recordedName, recordedTag] = entries_[found->second];
    if (auto places = placesByTag_.find(recordedTag); places != placesByTag_.end()) {
      places->second.erase(found->second);
      if (places->second.empty()) placesByTag_.erase(places);
    }
    recordedTag = tag;
    placesByTag_[tag].insert(found->second);
    return;
  }
  positions_.emplace(name, entries_.size());
  placesByTag_[tag].insert(entries_.size());
  entries_.emplace_back(name, tag);
}

std::optional<std::int32_t> NameIndex::tagForName(std::string_view name) const {
  auto found = positions_.find(std::string(name));
  if (found == positions_.end()) return std::nullopt;
  return entries_[found->second].second;
}

std::optional<std::string> NameIndex::nameForTag(std::int32_t tag) const {
  auto places = placesByTag_.find(tag);
  if (places == placesByTag_.end() || places->second.empty()) return std::nullopt;
  return entries_[*places->second.rbegin()].first;
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
