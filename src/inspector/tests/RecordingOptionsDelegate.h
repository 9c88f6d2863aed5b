#pragma once

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "inspector/actions/ContainerTree.h"
#include "inspector/builder/ElementOptionsBuilderDelegate.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {

// A canvas stand-in over a theme value: it answers the tree walks from the value and records the
// calls that rebuild or show something, in order.
class RecordingOptionsDelegate final : public ElementOptionsBuilderDelegate {
 public:
  explicit RecordingOptionsDelegate(platform::Value theme) : preset(std::move(theme)) { main->addSubview(panel); }

  bool implements(Operation operation) const override { return !missing.contains(operation); }
  const platform::Value& creatorPreset() const override { return preset; }
  void setCreatorPreset(platform::Value edited) override { preset = std::move(edited); }

  std::vector<std::string> elementNames() const override { return namesWhere([](const platform::Value&) { return true; }); }
  std::optional<platform::Value> findElementInDictionary(std::string_view name) const override {
    return ContainerTree::elementNamed(preset, name);
  }
  std::optional<std::string> getParentName(std::string_view name) const override {
    return ContainerTree::parentOf(preset, name);
  }
  std::optional<platform::Value> getElementObjectFromString(std::string_view name,
                                                            std::string_view key) const override {
    const auto element = findElementInDictionary(name);
    if (!element || !element->contains(key)) return std::nullopt;
    return (*element)[std::string(key)];
  }
  platform::Value addToElementChildren(std::string_view parentName, const platform::Value& childInfo,
                                       const std::string& childName) const override {
    if (parentName == ContainerTree::kRootName) {
      platform::Value edited = preset;
      edited["PresetView"]["children"][childName] = childInfo;
      return edited;
    }
    const auto path = ContainerTree::pathOf(preset, parentName);
    const auto parent = findElementInDictionary(parentName);
    return ContainerTree::withValueAt(preset, *path, ContainerTree::containerWithChild(*parent, childName, childInfo))
        .value();
  }
  std::string makeNewName(const std::string& name, const std::vector<std::string>& list,
                          std::int32_t count) const override {
    for (std::int32_t number = count;; ++number) {
      std::string candidate = name + "_" + std::to_string(number);
      if (std::find(list.begin(), list.end(), candidate) == list.end()) return candidate;
    }
  }
  std::int32_t globalCounter() const override { return counter; }
  void setGlobalCounter(std::int32_t value) override { counter = value; }
  void updateReferenceToView(const std::string& name, std::int32_t count, const std::string&) override {
    tags.emplace_back(name, count);
  }
  void setElementStyle(const std::string& style, const std::string& elementName,
                       const std::string& styleValue) override {
    calls.push_back("setElementStyle " + style + " " + elementName + " " + styleValue);
    auto element = findElementInDictionary(elementName);
    if (!element) return;
    (*element)[style] = styleValue;
    preset = ContainerTree::withValueAt(preset, *ContainerTree::pathOf(preset, elementName), *element).value();
  }
  platform::Value resetChildOrderForElementDict(platform::Value children) override { return children; }
  void setSelectedElement(std::string name) override {
    calls.push_back("setSelectedElement " + name);
    selected = std::move(name);
  }
  void reloadTheme() override { calls.push_back("reloadTheme"); }
  void reloadScrollview() override { calls.push_back("reloadScrollview"); }

  std::string getSelectedElement() const override { return selected; }
  std::optional<std::vector<std::string>> getElementHierarchy(std::string_view name) const override {
    return ContainerTree::pathOf(preset, name);
  }
  platform::Value removeElementFromPresetViewChildrenScroll(const std::string& name,
                                                            platform::Value dict) const override {
    dict["PresetView"]["children"].erase(name);
    return dict;
  }
  platform::Value removeElementFromUIView(const std::string& containerName) override {
    platform::Value container = findElementInDictionary(containerName).value_or(platform::Value::object());
    container["children"].erase(selected);
    return container;
  }
  void removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent) override {
    calls.push_back("removeItemFromUIViewOrderWithName " + name + " " + parent);
    const auto order = getElementObjectFromString(parent, "childorder");
    if (!order || !order->is_string()) return;
    std::string kept;
    std::string entry;
    const std::string text = order->get<std::string>() + ",";
    for (char character : text) {
      if (character != ',') {
        entry += character;
        continue;
      }
      if (entry != name) kept += (kept.empty() ? "" : ",") + entry;
      entry.clear();
    }
    setElementStyle("childorder", parent, kept.empty() ? "none" : kept);
  }
  void addToPresetOrder(const std::string& name) override { preset["PresetView"]["order"].push_back(name); }
  void removeFromPresetOrder(const std::string& name) override {
    platform::Value& order = preset["PresetView"]["order"];
    platform::Value kept = platform::Value::array();
    for (const auto& entry : order) {
      if (entry != name) kept.push_back(entry);
    }
    order = kept;
  }
  std::vector<std::string> getUIViewsInPreset() const override {
    return namesWhere([](const platform::Value& element) { return element.value("type", "") == "UIView"; });
  }
  std::vector<std::string> getViewsInPreset() const override { return elementNames(); }
  std::optional<std::string> getParentNameFromElementName(std::string_view name) const override {
    const auto parent = getParentName(name);
    if (parent == ContainerTree::kRootName) return std::nullopt;
    return parent;
  }
  void addElementToCreatorWithOptions(const platform::Value& element, const std::string& name) override {
    preset["PresetView"]["children"][name] = element;
  }
  void hideHintLabel() override { calls.push_back("hideHintLabel"); }
  std::shared_ptr<platform::ui::View> mainView() const override { return main; }
  std::shared_ptr<CreatorVerticalMenu> uiviewPicker() const override { return picker; }
  void setUiviewPicker(std::shared_ptr<CreatorVerticalMenu> menu) override { picker = std::move(menu); }
  std::shared_ptr<platform::ui::View> elementOptions() const override { return panel; }

  // The rows' parts are not drawn here.
  std::shared_ptr<platform::ui::Label> createElementOptionLabelWithFrame(const platform::graphics::Rect&,
                                                                         const std::string&, const std::string&,
                                                                         std::int64_t) override {
    return nullptr;
  }
  std::shared_ptr<platform::ui::TextField> createElementOptionTextFieldWithFrame(const platform::graphics::Rect&,
                                                                                 const std::string&,
                                                                                 const std::string&,
                                                                                 const std::string&) override {
    return nullptr;
  }
  std::shared_ptr<platform::ui::View> createIncrementer(const platform::graphics::Rect&, const std::string&,
                                                        const std::string&) override {
    return nullptr;
  }
  std::shared_ptr<platform::ui::View> viewWithImage(const std::string&, const std::string&,
                                                    const platform::graphics::Rect&) override {
    return nullptr;
  }
  std::string dictionaryToString(const platform::Value& dictionary) const override { return dictionary.dump(); }
  std::vector<std::string> elementOptionsCustomOrder(const platform::Value&) const override { return {}; }
  bool presetContainsUIView() const override { return false; }
  std::optional<platform::Value> getPresetChildren() const override { return std::nullopt; }
  std::vector<std::string> getCreatorDataMethods() const override { return {}; }
  void jumpToOption(platform::ui::GestureRecognizer&) override {}
  void copyStyleFromOtherElement(platform::ui::GestureRecognizer&) override {}
  void setColor(const std::string&, const std::string&) override {}
  void setColorOnClose(const std::string&, const std::string&) override {}

  platform::Value preset;
  std::string selected = "none";
  std::set<Operation> missing;
  std::vector<std::string> calls;
  std::vector<std::pair<std::string, std::int32_t>> tags;
  std::int32_t counter = 0;
  std::shared_ptr<platform::ui::View> main = platform::ui::View::make({0, 0, 375, 812});
  std::shared_ptr<platform::ui::View> panel = platform::ui::View::make({0, 400, 375, 412});
  std::shared_ptr<CreatorVerticalMenu> picker;

 private:
  template <typename Predicate>
  std::vector<std::string> namesWhere(Predicate wanted) const {
    std::vector<std::string> names;
    collect(preset["PresetView"]["children"], wanted, names);
    return names;
  }
  template <typename Predicate>
  static void collect(const platform::Value& children, Predicate wanted, std::vector<std::string>& names) {
    if (!children.is_object()) return;
    for (const auto& [name, element] : children.items()) {
      if (wanted(element)) names.push_back(name);
      if (element.is_object() && element.contains("children")) collect(element["children"], wanted, names);
    }
  }
};

}  // namespace vantile::testing
