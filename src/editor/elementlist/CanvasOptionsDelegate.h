#pragma once

#include "inspector/builder/ElementOptionsBuilderDelegate.h"

namespace vantile {

class CreatorView;

// The canvas as the inspector's delegate: forwards to the canvas that owns it.
class CanvasOptionsDelegate final : public ElementOptionsBuilderDelegate {
 public:
  explicit CanvasOptionsDelegate(CreatorView& canvas) : canvas_(canvas) {}

  bool implements(Operation operation) const override;
  const platform::Value& creatorPreset() const override;
  void setCreatorPreset(platform::Value preset) override;
  std::vector<std::string> elementNames() const override;
  std::optional<platform::Value> findElementInDictionary(std::string_view name) const override;
  std::optional<std::string> getParentName(std::string_view name) const override;
  std::optional<platform::Value> getElementObjectFromString(std::string_view name,
                                                            std::string_view key) const override;
  platform::Value addToElementChildren(std::string_view parentName, const platform::Value& childInfo,
                                       const std::string& childName) const override;
  std::string makeNewName(const std::string& name, const std::vector<std::string>& list,
                          std::int32_t count) const override;
  std::int32_t globalCounter() const override;
  void setGlobalCounter(std::int32_t counter) override;
  void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) override;
  void setElementStyle(const std::string& style, const std::string& elementName,
                       const std::string& styleValue) override;
  platform::Value resetChildOrderForElementDict(platform::Value children) override;
  void setSelectedElement(std::string name) override;
  void reloadTheme() override;
  void reloadScrollview() override;

  // Rows
  std::shared_ptr<platform::ui::Label> createElementOptionLabelWithFrame(const platform::graphics::Rect& frame,
                                                                         const std::string& text,
                                                                         const std::string& layerName,
                                                                         std::int64_t tag) override;
  std::shared_ptr<platform::ui::TextField> createElementOptionTextFieldWithFrame(
      const platform::graphics::Rect& frame, const std::string& text, const std::string& layerName,
      const std::string& placeholder) override;
  std::shared_ptr<platform::ui::View> createIncrementer(const platform::graphics::Rect& frame,
                                                        const std::string& imageName,
                                                        const std::string& propertyName) override;
  std::shared_ptr<platform::ui::View> viewWithImage(const std::string& imageName, const std::string& name,
                                                    const platform::graphics::Rect& frame) override;
  std::string dictionaryToString(const platform::Value& dictionary) const override;
  std::vector<std::string> elementOptionsCustomOrder(const platform::Value& element) const override;
  bool presetContainsUIView() const override;
  std::optional<platform::Value> getPresetChildren() const override;
  std::vector<std::string> getCreatorDataMethods() const override;
  void setDataArray(std::vector<std::string> names) override;
  std::vector<std::string> blackListStyleArray() const override;
  std::vector<std::string> stylesThatShowUpDownPad() const override;
  void jumpToOption(platform::ui::GestureRecognizer& tap) override;
  void copyStyleFromOtherElement(platform::ui::GestureRecognizer& tap) override;
  void setColor(const std::string& color, const std::string& styleKey) override;
  void setColorOnClose(const std::string& color, const std::string& styleKey) override;
  void exportTemplate(platform::ui::GestureRecognizer& tap) override;
  void createAnimationPicker(platform::ui::GestureRecognizer& tap) override;
  void createDataPicker(platform::ui::GestureRecognizer& tap) override;
  void createFollowPicker(platform::ui::GestureRecognizer& tap) override;
  void childrenOrder(platform::ui::GestureRecognizer& tap) override;
  void createDataPickerForAttr(platform::ui::GestureRecognizer& tap) override;
  void createImagePicker(platform::ui::GestureRecognizer& tap) override;
  void createSFImagePicker(platform::ui::GestureRecognizer& tap) override;
  void loadFontMenu(platform::ui::GestureRecognizer& tap) override;
  void loadAttrFontMenu(platform::ui::GestureRecognizer& tap) override;
  void loadTextAlignmentMenu(platform::ui::GestureRecognizer& tap) override;
  void loadInfiniteScrollMenu(platform::ui::GestureRecognizer& tap) override;
  void loadAutoLayoutMenu(platform::ui::GestureRecognizer& tap) override;
  void loadBlurColorMenu(platform::ui::GestureRecognizer& tap) override;
  void loadContentModeMenu(platform::ui::GestureRecognizer& tap) override;
  void loadTextStyleMenu(platform::ui::GestureRecognizer& tap) override;
  void pickStyleOverrideElement(platform::ui::GestureRecognizer& tap) override;
  // Tree edits
  std::string getSelectedElement() const override;
  std::optional<std::vector<std::string>> getElementHierarchy(std::string_view name) const override;
  platform::Value removeElementFromPresetViewChildrenScroll(const std::string& name,
                                                            platform::Value dict) const override;
  platform::Value removeElementFromUIView(const std::string& containerName) override;
  void removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent) override;
  void addToPresetOrder(const std::string& name) override;
  void removeFromPresetOrder(const std::string& name) override;
  std::vector<std::string> getUIViewsInPreset() const override;
  std::vector<std::string> getViewsInPreset() const override;
  std::optional<std::string> getParentNameFromElementName(std::string_view name) const override;
  void addElementToCreatorWithOptions(const platform::Value& element, const std::string& name) override;
  void hideHintLabel() override;
  std::shared_ptr<platform::ui::View> mainView() const override;
  std::shared_ptr<CreatorVerticalMenu> uiviewPicker() const override;
  void setUiviewPicker(std::shared_ptr<CreatorVerticalMenu> picker) override;
  std::shared_ptr<platform::ui::View> elementOptions() const override;

 private:
  // The canvas owns this object, so it outlives every call.
  CreatorView& canvas_;
};

}  // namespace vantile
