#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inspector/builder/ElementOptionFactory.h"
#include "inspector/builder/OptionRowConfigs.h"
#include "inspector/colorcell/ColorCellIdentity.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

namespace vantile {

// Everything a build of the inspector depends on besides the element.
struct OptionRowInputs {
  platform::graphics::Size panelSize;
  std::vector<std::string> customOrder;
  std::vector<std::string> blackList;
  std::vector<std::string> colorArray;
  bool presetContainsUIView = false;
  // The root's "children" (null when the theme has none).
  platform::Value rootChildren;
  double systemVersion = 0;
  // The text of a dictionary style's field; compact JSON when not given.
  std::function<std::string(const platform::Value&)> dictionaryToString;
};

struct PlacedButton {
  ButtonConfig button;
  platform::graphics::Rect frame;
};

// One property row as drawn: label, value field, buttons (with the row's property name) and
// the colour cell.
struct PropertyRowLayout {
  PropertyRowConfig config;
  std::string labelText;
  std::string labelLayerName;
  platform::graphics::Rect labelFrame;
  std::string fieldText;
  std::string fieldLayerName;
  std::string placeholder;
  platform::graphics::Rect fieldFrame;
  std::string propertyName;
  std::vector<PlacedButton> buttons;
  std::optional<ColorCellIdentity> colorCell;
  platform::graphics::Rect colorCellFrame;
};

struct ElementOptionsLayout {
  platform::graphics::Rect frame;
  platform::graphics::Size contentSize;
  std::vector<SpecialOptionConfig> specialRows;
  std::vector<PropertyRowLayout> propertyRows;
  // A "data" row is shown: the canvas is told its data names again.
  bool showsDataRow = false;
};

// The rows of the inspector for the element `name` with the dictionary `element`, in order.
ElementOptionsLayout layoutElementOptions(const std::string& name, const platform::Value& element,
                                          const OptionRowInputs& inputs, const ElementOptionFactory& factory);

// A row label's frame, full width at its position.
platform::graphics::Rect rowLabelFrame(std::int64_t position, double panelWidth);

// Whether the element stands directly inside a "UIView" or "GlassView" element of the tree.
bool isInContainer(const std::string& name, const platform::Value& children);

}  // namespace vantile
