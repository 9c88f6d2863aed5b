#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controller/VantileController.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// The theme editor's read and rebuild operations on the element tree of the theme being edited.
// Keeps nothing between calls; the trees it returns are new, only the holders passed in are written.
class CreatorDictHelpers {
 public:
  static CreatorDictHelpers& sharedInstance();

  // The theme being edited; the canvas fills it. Unset reads as an empty theme.
  std::function<const platform::Value&()> creatorPreset;

  // True when the element's direct parent is a "UIView" or "GlassView".
  bool checkIfInUIView(std::string_view name, const platform::Value& children) const;
  // Writes "isInUIView" ("yes"/"no") into `result` when the name is found below `children`.
  void isInUIView(platform::Value& result, const platform::Value& children, std::string_view name,
                  bool isChild) const;
  void recursivelyFindUIView(std::vector<std::string>& names, const platform::Value& children) const;
  // App icons of this level and below other app icons only, not inside containers.
  void recursivelyFindApps(std::vector<std::string>& names, const platform::Value& children) const;
  void recursivelyFindViews(std::vector<std::string>& names, const platform::Value& children) const;
  // Element name to its value under `style` (compact JSON text for "textShadow" and "frame"), or to
  // its whole "textShadow"/"frame" dictionary when that is the parent style.
  void recursivelyFindElements(platform::Value& result, const platform::Value& children, std::string_view style,
                               std::string_view parentStyle) const;
  static std::string dictionaryToString(const platform::Value& value);
  std::optional<platform::Value> getElementTypeFromString(std::string_view name,
                                                          const platform::Value& children) const;
  std::optional<platform::Value> getElementChildrenFromString(std::string_view name,
                                                              const platform::Value& children) const;
  std::optional<platform::Value> findElementInDictionary(std::string_view name) const;
  // "PresetView" for a top-level element; nothing for a name not in the tree.
  std::optional<std::string> getParentName(std::string_view name) const;
  // A new theme with the child stored under the parent ("PresetView" for the top level).
  platform::Value addToElementChildren(std::string_view parentName, const platform::Value& childInfo,
                                       const std::string& childName) const;

  // The theme controller's tree walks.
  static void recursivelyFindView(platform::Value& result, const platform::Value& children, std::string_view name);
  static platform::Value getElementInPreset(std::string_view name, const platform::Value& children);
  static std::optional<platform::Value> getElementDictionaryFromString(std::string_view name,
                                                                       const platform::Value& children);
  static std::optional<platform::Value> getElementObjectFromString(std::string_view name, std::string_view key,
                                                                   const platform::Value& children);
  static KeyPaths elementObject(const platform::Value& preset);
  static void loopChildren(const platform::Value& element, KeyPaths& paths, const std::string& parentName);
  static platform::Value editNestedDict(const platform::Value& dictionary, const platform::Value& value,
                                        std::span<const std::string> path);

  // What the walks read of the canvas.
  const platform::Value& preset() const;
  const platform::Value& getPresetChildren() const;
  std::optional<KeyPath> getElementHierarchy(std::string_view name) const;
};

}  // namespace vantile
