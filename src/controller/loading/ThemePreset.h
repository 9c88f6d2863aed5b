#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "controller/loading/ElementViewIndex.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// Element name → view tag, in the order the names were first recorded. Kept beside the parsed
// theme, never inside it, so no element name can overwrite the tree.
class NameIndex {
 public:
  // A later record of the same name overwrites the tag and keeps the name's place.
  void record(const std::string& name, std::int32_t tag);
  std::optional<std::int32_t> tagForName(std::string_view name) const;
  // The name recorded with the tag; with several, the one recorded last in order wins.
  std::optional<std::string> nameForTag(std::int32_t tag) const;

  const std::vector<std::pair<std::string, std::int32_t>>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<std::pair<std::string, std::int32_t>> entries_;
  std::unordered_map<std::string, std::size_t> positions_;
  // Tag → the places of the entries holding it, so the last one is found without a scan.
  std::unordered_map<std::int32_t, std::set<std::size_t>> placesByTag_;
};

// One location's loaded theme: the parsed file ("PresetView" holds the root element), the name
// index of the built tree and its views by tag.
struct ThemePreset {
  platform::Value document = platform::Value::object();
  NameIndex nameIndex;
  ElementViewIndex views;

  // The root element, or nothing when the document has none.
  const platform::Value* presetView() const;
  // The root element's "children", or nothing.
  const platform::Value* children() const;
};

}  // namespace vantile
