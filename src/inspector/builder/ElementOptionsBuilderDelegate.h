#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {
class GestureRecognizer;
class Label;
class TextField;
class View;
}  // namespace platform::ui

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
    // Rows
    setDataArray,
    blackListStyleArray,
    stylesThatShowUpDownPad,
    exportTemplate,
    createAnimationPicker,
    createDataPicker,
    createFollowPicker,
    childrenOrder,
    createDataPickerForAttr,
    createImagePicker,
    createSFImagePicker,
    loadFontMenu,
    loadAttrFontMenu,
    loadTextAlignmentMenu,
    loadInfiniteScrollMenu,
    loadAutoLayoutMenu,
    loadBlurColorMenu,
    loadContentModeMenu,
    loadTextStyleMenu,
    pickStyleOverrideElement,
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

  // Rows
  // The row parts, drawn by the canvas; it reads edits back by the parts' layer names.
  virtual std::shared_ptr<platform::ui::Label> createElementOptionLabelWithFrame(const platform::graphics::Rect& frame,
                                                                                 const std::string& text,
                                                                                 const std::string& layerName,
                                                                                 std::int64_t tag) = 0;
  virtual std::shared_ptr<platform::ui::TextField> createElementOptionTextFieldWithFrame(
      const platform::graphics::Rect& frame, const std::string& text, const std::string& layerName,
      const std::string& placeholder) = 0;
  // An increment pad button for the (sub-)key `imageName` of the row `propertyName`; it wires its own tap.
  virtual std::shared_ptr<platform::ui::View> createIncrementer(const platform::graphics::Rect& frame,
                                                                const std::string& imageName,
                                                                const std::string& propertyName) = 0;
  // A picture button ("dots", "paste") of the assets folder.
  virtual std::shared_ptr<platform::ui::View> viewWithImage(const std::string& imageName, const std::string& name,
                                                            const platform::graphics::Rect& frame) = 0;
  virtual std::string dictionaryToString(const platform::Value& dictionary) const = 0;
  // The element's keys in the inspector's order.
  virtual std::vector<std::string> elementOptionsCustomOrder(const platform::Value& element) const = 0;
  // The theme holds a top-level container other than the selected element.
  virtual bool presetContainsUIView() const = 0;
  // The root's "children"; nothing when the theme has none.
  virtual std::optional<platform::Value> getPresetChildren() const = 0;
  virtual std::vector<std::string> getCreatorDataMethods() const = 0;
  virtual void setDataArray(std::vector<std::string>) {}
  // Keys never shown as rows, and keys whose rows get an increment pad.
  virtual std::vector<std::string> blackListStyleArray() const { return {}; }
  virtual std::vector<std::string> stylesThatShowUpDownPad() const { return {}; }
  // Taps of the rows.
  virtual void jumpToOption(platform::ui::GestureRecognizer& tap) = 0;
  virtual void copyStyleFromOtherElement(platform::ui::GestureRecognizer& tap) = 0;
  // The colour cell's live preview and commit on the selected element.
  virtual void setColor(const std::string& color, const std::string& styleKey) = 0;
  virtual void setColorOnClose(const std::string& color, const std::string& styleKey) = 0;
  virtual void exportTemplate(platform::ui::GestureRecognizer&) {}
  virtual void createAnimationPicker(platform::ui::GestureRecognizer&) {}
  virtual void createDataPicker(platform::ui::GestureRecognizer&) {}
  virtual void createFollowPicker(platform::ui::GestureRecognizer&) {}
  virtual void childrenOrder(platform::ui::GestureRecognizer&) {}
  virtual void createDataPickerForAttr(platform::ui::GestureRecognizer&) {}
  virtual void createImagePicker(platform::ui::GestureRecognizer&) {}
  virtual void createSFImagePicker(platform::ui::GestureRecognizer&) {}
  virtual void loadFontMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadAttrFontMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadTextAlignmentMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadInfiniteScrollMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadAutoLayoutMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadBlurColorMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadContentModeMenu(platform::ui::GestureRecognizer&) {}
  virtual void loadTextStyleMenu(platform::ui::GestureRecognizer&) {}
  virtual void pickStyleOverrideElement(platform::ui::GestureRecognizer&) {}
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
