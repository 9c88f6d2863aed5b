#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// What the inspector (its rows and its tree edits) asks of the editor canvas, which owns the theme being edited.
// Senders ask `implements` before they rely on an operation.
class ElementOptionsBuilderDelegate {
 public:
  enum class Operation {
    creatorPreset,
    setCreatorPreset,
    dictHelpers,
    makeNewName,
    globalCounter,
    updateReferenceToView,
    setElementStyle,
    resetChildOrderForElementDict,
    setSelectedElement,
    reloadTheme,
    reloadScrollview,
  };

  virtual ~ElementOptionsBuilderDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  virtual const platform::Value& creatorPreset() const = 0;
  virtual void setCreatorPreset(platform::Value preset) = 0;

  // The canvas's tree walks over its theme.
  // Every element name of the theme, at any depth.
  virtual std::vector<std::string> elementNames() const = 0;
  virtual std::optional<platform::Value> findElementInDictionary(std::string_view name) const = 0;
  // "PresetView" for a top-level element; nothing for a name not in the tree.
  virtual std::optional<std::string> getParentName(std::string_view name) const = 0;
  virtual std::optional<platform::Value> getElementObjectFromString(std::string_view name,
                                                                    std::string_view key) const = 0;
  // A new theme with the child stored under the parent ("PresetView" for the top level).
  virtual platform::Value addToElementChildren(std::string_view parentName, const platform::Value& childInfo,
                                               const std::string& childName) const = 0;

  // The first "%@_%d" form of the name, counting from `count`, that is not in the list.
  virtual std::string makeNewName(const std::string& name, const std::vector<std::string>& list,
                                  std::int32_t count) const = 0;
  virtual std::int32_t globalCounter() const = 0;
  virtual void setGlobalCounter(std::int32_t counter) = 0;
  virtual void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) = 0;
  virtual void setElementStyle(const std::string& style, const std::string& elementName,
                               const std::string& styleValue) = 0;
  // The "children" map with the "childorder" of its containers rebuilt, at every level.
  virtual platform::Value resetChildOrderForElementDict(platform::Value children) = 0;
  virtual void setSelectedElement(std::string name) = 0;
  virtual void reloadTheme() = 0;
  virtual void reloadScrollview() = 0;
};

}  // namespace vantile
