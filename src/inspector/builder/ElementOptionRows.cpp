#include "inspector/builder/ElementOptionRows.h"

#include <algorithm>

#include "platform/foundation/values/Conversions.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using platform::Value;

constexpr double kLabelHeight = 40;
constexpr double kPanelTop = 40;
constexpr double kPanelHeightCut = 30;
// Room below the last row.
constexpr double kContentPadding = 135;
constexpr double kTextFieldFromRight = 210;
constexpr double kButtonsTopInset = 4;

bool contains(const std::vector<std::string>& list, const std::string& word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

bool isContainerElement(const Value& element) {
  if (!element.is_object()) return false;
  const auto type = element.find("type");
  return type != element.end() && type->is_string() && (*type == "UIView" || *type == "GlassView");
}

std::optional<bool> findInContainer(const std::string& name, const Value& children, bool parentIsContainer) {
  if (!children.is_object()) return std::nullopt;
  if (children.contains(name)) return parentIsContainer;
  for (const auto& [childName, child] : children.items()) {
    if (!child.is_object() || !child.contains("children")) continue;
    if (auto found = findInContainer(name, child["children"], isContainerElement(child))) return found;
  }
  return std::nullopt;
}

std::string typeOf(const Value& element) {
  if (!element.is_object() || !element.contains("type")) return "";
  return platform::foundation::description(element["type"]);
}

class RowBuilder {
 public:
  RowBuilder(const std::string& name, const Value& element, const OptionRowInputs& inputs,
             const ElementOptionFactory& factory)
      : name_(name), element_(element), inputs_(inputs), factory_(factory), width_(inputs.panelSize.width) {}

  ElementOptionsLayout build() {
    layout_.frame = {0, kPanelTop, width_, inputs_.panelSize.height - kPanelHeightCut};
    addSpecialRows();
    addSpecial("   ⚬ Jump to style", "Jump To", 0, SpecialRowAction::jumpToOption);
    for (const std::string& key : inputs_.customOrder) {
      if (contains(inputs_.blackList, key) || !element_.is_object() || !element_.contains(key)) continue;
      const Value& value = element_[key];
      if (value.is_object()) {
        addComplexProperty(key, value);
      } else {
        addSimpleProperty(key, platform::foundation::description(value));
      }
    }
    layout_.contentSize = {width_, static_cast<double>(itemCount_) * rowHeight() + kContentPadding};
    return std::move(layout_);
  }

 private:
  static double rowHeight() { return ElementOptionFactory::constantForKey("rowHeight"); }
  double y(std::int64_t position) const { return static_cast<double>(position) * rowHeight(); }

  void addSpecial(std::string text, std::string layerName, std::int64_t tag, SpecialRowAction action) {
    layout_.specialRows.push_back({std::move(text), std::move(layerName), tag, action, itemCount_++});
  }

  void addSpecialRows() {
    if (typeOf(element_) == "UIView") addSpecial("   + Export Template", "Add Option", 0, SpecialRowAction::exportTemplate);
    if (inputs_.presetContainsUIView) {
      if (isInContainer(name_, inputs_.rootChildren)) {
        addSpecial("   + Remove From UIView", "", 111, SpecialRowAction::moveFromUIView);
        addSpecial("   + Move to different UIView", "Move UIView", 111, SpecialRowAction::moveToUIView);
      } else {
        addSpecial("   + Add To UIView", "", 111, SpecialRowAction::addToUIView);
      }
    }
    if (!inputs_.rootChildren.is_object() || !inputs_.rootChildren.contains(name_)) return;
    const Value& topLevel = inputs_.rootChildren[name_];
    if (typeOf(topLevel) != "ScrollView") return;
    addSpecial("   + Add to ScrollView", "", 111, SpecialRowAction::addToScrollview);
    const auto children = topLevel.find("children");
    if (children != topLevel.end() && children->is_object() && !children->empty()) {
      addSpecial("   + Remove From ScrollView", "", 111, SpecialRowAction::removeFromScrollview);
    }
  }

  PropertyRowLayout rowAt(PropertyRowConfig config, std::string labelLayerName, std::string fieldText,
                          std::string fieldLayerName, std::string placeholder) {
    PropertyRowLayout row;
    const double top = y(config.position);
    row.labelText = "    " + labelLayerName;
    row.labelLayerName = std::move(labelLayerName);
    row.labelFrame = rowLabelFrame(config.position, width_);
    row.fieldText = std::move(fieldText);
    row.fieldLayerName = std::move(fieldLayerName);
    row.placeholder = std::move(placeholder);
    row.fieldFrame = {width_ - kTextFieldFromRight, top + kButtonsTopInset,
                      ElementOptionFactory::constantForKey("textFieldWidth"),
                      ElementOptionFactory::constantForKey("buttonSize")};
    const double side = ElementOptionFactory::constantForKey("buttonSize");
    row.colorCellFrame = {width_ - (ElementOptionFactory::constantForKey("leftButtonOffset") - 8),
                          top + kButtonsTopInset, side, side};
    row.config = std::move(config);
    return row;
  }

  // Right to left from the last button; a slot is taken whatever the button draws.
  void placeButtons(PropertyRowLayout& row, const std::vector<ButtonConfig>& buttons) const {
    const double side = ElementOptionFactory::constantForKey("buttonSize");
    const double step = ElementOptionFactory::constantForKey("rowHeight");
    double x = width_ - ElementOptionFactory::constantForKey("rightButtonOffset");
    const double top = y(row.config.position) + kButtonsTopInset;
    for (auto button = buttons.rbegin(); button != buttons.rend(); ++button) {
      row.buttons.insert(row.buttons.begin(), {*button, {x, top, side, side}});
      x -= step;
    }
  }

  void noteButtons(const std::vector<ButtonConfig>& buttons) {
    for (const ButtonConfig& button : buttons) {
      if (button.action == ElementOptionsBuilderDelegate::Operation::createDataPicker) layout_.showsDataRow = true;
    }
  }

  std::optional<ColorCellIdentity> colorCellFor(const std::string& key, const std::optional<std::string>& option,
                                                bool wanted) const {
    if (!wanted || inputs_.systemVersion < 14.0) return std::nullopt;
    // Both come from the element's own keys, so the lookups find them.
    const Value& current = option ? element_[key][*option] : element_[key];
    return ColorCellIdentity{name_, key, platform::foundation::description(current)};
  }

  void addSimpleProperty(const std::string& key, const std::string& value) {
    PropertyRowLayout row = rowAt(PropertyRowConfig::simplePropertyWithName(name_, key, value, itemCount_++), key,
                                  value, key, value);
    row.propertyName = key;
    const std::vector<ButtonConfig> buttons = factory_.buttonsForProperty(key);
    noteButtons(buttons);
    placeButtons(row, buttons);
    row.colorCell = colorCellFor(key, std::nullopt,
                                 ElementOptionFactory::isColorValue(value) || contains(inputs_.colorArray, key));
    layout_.propertyRows.push_back(std::move(row));
  }

  void addComplexProperty(const std::string& key, const Value& dictionary) {
    const std::string printed = platform::foundation::description(dictionary);
    PropertyRowLayout row =
        rowAt(PropertyRowConfig::complexPropertyWithName(name_, key, printed, element_, itemCount_++), key,
              inputs_.dictionaryToString ? inputs_.dictionaryToString(dictionary) : dictionary.dump(), key, printed);
    row.propertyName = key;
    placeButtons(row, {ButtonConfig{"paste", std::nullopt, ButtonType::paste}});
    layout_.propertyRows.push_back(std::move(row));
    for (const auto& [option, entry] : dictionary.items()) addSubProperty(key, option, dictionary, printed);
  }

  void addSubProperty(const std::string& key, const std::string& option, const Value& dictionary,
                      const std::string& printed) {
    const std::string value = platform::foundation::description(dictionary[option]);
    const std::string address = key + "~" + option;
    PropertyRowLayout row = rowAt(
        PropertyRowConfig::complexSubPropertyWithName(name_, key, option, dictionary, value, itemCount_++),
        "    " + key + " - " + option, value, address, printed);
    row.propertyName = address;
    std::vector<ButtonConfig> buttons = ElementOptionFactory::specializedButtonsForChild(key, option, animationAdded_);
    buttons.push_back({"paste", std::nullopt, ButtonType::paste});
    placeButtons(row, buttons);
    row.colorCell = colorCellFor(key, option, contains(inputs_.colorArray, option));
    layout_.propertyRows.push_back(std::move(row));
  }

  const std::string& name_;
  const Value& element_;
  const OptionRowInputs& inputs_;
  const ElementOptionFactory& factory_;
  const double width_;
  std::int64_t itemCount_ = 0;
  bool animationAdded_ = false;
  ElementOptionsLayout layout_;
};

}  // namespace

PropertyRowConfig PropertyRowConfig::simplePropertyWithName(std::string name, std::string child, std::string value,
                                                            std::int64_t position) {
  return {std::move(name), std::move(child), std::nullopt, std::move(value), std::nullopt, position};
}

PropertyRowConfig PropertyRowConfig::complexPropertyWithName(std::string name, std::string child, std::string value,
                                                             Value dict, std::int64_t position) {
  return {std::move(name), std::move(child), std::nullopt, std::move(value), std::move(dict), position};
}

PropertyRowConfig PropertyRowConfig::complexSubPropertyWithName(std::string name, std::string child,
                                                                std::string option, Value dict, std::string value,
                                                                std::int64_t position) {
  return {std::move(name), std::move(child), std::move(option), std::move(value), std::move(dict), position};
}

graphics::Rect rowLabelFrame(std::int64_t position, double panelWidth) {
  return {0, static_cast<double>(position) * ElementOptionFactory::constantForKey("rowHeight"), panelWidth,
          kLabelHeight};
}

bool isInContainer(const std::string& name, const Value& children) {
  return findInContainer(name, children, false).value_or(false);
}

ElementOptionsLayout layoutElementOptions(const std::string& name, const Value& element,
                                          const OptionRowInputs& inputs, const ElementOptionFactory& factory) {
  return RowBuilder(name, element, inputs, factory).build();
}

}  // namespace vantile
