#include "editor/selection/FrameWriteBack.h"

#include "editor/data/CreatorDictHelpers.h"

namespace vantile {

std::optional<platform::Value> themeWithFrameEntries(const platform::Value& theme, std::span<const std::string> path,
                                                     const FrameEntries& entries) {
  if (path.empty()) return std::nullopt;
  const platform::Value* element = &theme;
  for (const std::string& key : path) {
    if (!element->is_object()) return std::nullopt;
    const auto next = element->find(key);
    if (next == element->end()) return std::nullopt;
    element = &*next;
  }
  if (!element->is_object()) return std::nullopt;
  const auto frame = element->find("frame");
  if (frame == element->end() || !frame->is_object()) return std::nullopt;

  platform::Value edited = *frame;
  for (const auto& [key, text] : entries) edited[key] = text;
  std::vector<std::string> framePath(path.begin(), path.end());
  framePath.push_back("frame");
  return CreatorDictHelpers::editNestedDict(theme, edited, framePath);
}

}  // namespace vantile
