#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace platform::ui {
class View;
}  // namespace platform::ui

namespace vantile {

class CreatorVerticalMenu;

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
    // Tree edits
    getSelectedElement,
    getElementHierarchy,
    removeElementFromPresetViewChildrenScroll,
    removeElementFromUIView,
    removeItemFromUIViewOrderWithName,
    addToPresetOrder,
    removeFromPresetOrder,
    getUIViewsInPreset,
    getViewsInPreset,
    getParentNameFromElementName,
    addElementToCreatorWithOptions,
    hideHintLabel,
    mainView,
    uiviewPicker,
    elementOptions,
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

  // Tree edits
  virtual std::string getSelectedElement() const = 0;
  // The keys from the theme to the element ("PresetView", "children", …, name).
  virtual std::optional<std::vector<std::string>> getElementHierarchy(std::string_view name) const = 0;
  // The theme without the named root child.
  virtual platform::Value removeElementFromPresetViewChildrenScroll(const std::string& name,
                                                                    platform::Value dict) const = 0;
  // The container's description without the selected element among its children.
  virtual platform::Value removeElementFromUIView(const std::string& containerName) = 0;
  virtual void removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent) = 0;
  virtual void addToPresetOrder(const std::string& name) = 0;
  virtual void removeFromPresetOrder(const std::string& name) = 0;
  virtual std::vector<std::string> getUIViewsInPreset() const = 0;
  virtual std::vector<std::string> getViewsInPreset() const = 0;
  // The name of the container the element's view is drawn in; nothing at the top level.
  virtual std::optional<std::string> getParentNameFromElementName(std::string_view name) const = 0;
  // Stores the description under the name at the top level.
  virtual void addElementToCreatorWithOptions(const platform::Value& element, const std::string& name) = 0;
  virtual void hideHintLabel() = 0;
  // Where the pickers open; nothing without a canvas on screen.
  virtual std::shared_ptr<platform::ui::View> mainView() const = 0;
  virtual std::shared_ptr<CreatorVerticalMenu> uiviewPicker() const = 0;
  virtual void setUiviewPicker(std::shared_ptr<CreatorVerticalMenu> picker) = 0;
  // The inspector panel, which an edit removes; nothing when it is not shown.
  virtual std::shared_ptr<platform::ui::View> elementOptions() const = 0;
};

}  // namespace vantile
