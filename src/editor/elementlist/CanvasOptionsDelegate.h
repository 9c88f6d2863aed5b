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

 private:
  // The canvas owns this object, so it outlives every call.
  CreatorView& canvas_;
};

}  // namespace vantile
