// Copying a style from another element, the jump list of the inspector and the style override.
#include <string>

#include "editor/CreatorView.h"
#include "editor/menus/PickerLists.h"
#include "editor/menus/StyleCopy.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

using platform::Value;
using platform::foundation::systemLog;

constexpr double kJumpMargin = 100;

}  // namespace

void CreatorView::copyStyleFromOtherElement(platform::ui::GestureRecognizer& recognizer) {
  const std::shared_ptr<platform::ui::View> control = recognizer.view();
  const auto styleAddress = control ? control->layer()->name() : std::nullopt;
  if (!styleAddress || styleAddress->empty()) {
    systemLog("Copy style: the tapped control names no style");
    return;
  }
  showCopySelectMenu(*styleAddress);
}

void CreatorView::showCopySelectMenu(const std::string& styleAddress) {
  const StyleCopy::StyleAddress parts = StyleCopy::split(styleAddress);
  currentElementsWithStyle = getAllElementsInPreset(parts.style);
  currentStyle = styleAddress;
  std::vector<std::string> names;
  for (const auto& [name, value] : currentElementsWithStyle.items()) {
    if (name != selectedElement) names.push_back(name);
  }
  names = PickerLists::sortedCaseInsensitive(std::move(names));
  const Value options = {{"0", names}, {"valueArray", getValueArrayFromArray(names, parts.field)}};
  auto picked = [canvas = weakCanvas()](const std::string& source) {
    const auto self = canvas.lock();
    if (!self) return;
    self->copyStyleFromElement(source);
    closeOptionMenu(self->selectCopyPicker);
  };
  closeOptionMenu(selectCopyPicker);
  selectCopyPicker = openOptionMenu("Copy " + styleAddress, options, std::move(picked));
}

std::vector<std::string> CreatorView::getValueArrayFromArray(const std::vector<std::string>& names,
                                                             const std::string& field) const {
  std::vector<std::string> column;
  for (const std::string& name : names) {
    const auto value = currentElementsWithStyle.find(name);
    column.push_back(value == currentElementsWithStyle.end() ? std::string() : StyleCopy::valueColumn(*value, field));
  }
  return column;
}

// A field is copied into the element's own dictionary, so its other fields stay.
void CreatorView::copyStyleFromElement(const std::string& source) {
  const auto value = currentElementsWithStyle.find(source);
  if (value == currentElementsWithStyle.end()) {
    systemLog("Copy style: " + source + " has no " + currentStyle);
    return;
  }
  const StyleCopy::StyleAddress parts = StyleCopy::split(currentStyle);
  if (parts.field.empty()) {
    setElementStyle(currentStyle, selectedElement, StyleCopy::valueText(*value));
    return;
  }
  const auto element = dictHelpers.findElementInDictionary(selectedElement);
  const Value own = element && element->is_object() ? element->value(parts.style, Value()) : Value();
  const auto changed = StyleCopy::withCopiedField(own, *value, parts.field);
  if (!changed) {
    systemLog("Copy style: " + currentStyle + " cannot be copied from " + source + " to " + selectedElement);
    return;
  }
  setElementStyle(parts.style, selectedElement, changed->dump());
}

void CreatorView::jumpToOption() {
  const auto element = dictHelpers.findElementInDictionary(selectedElement);
  std::vector<std::string> keys;
  if (element && element->is_object()) {
    for (const auto& [key, value] : element->items()) {
      if (key != "children" && key != "type") keys.push_back(key);
    }
  }
  const double height = platform::ui::Screen::mainScreen().bounds().size.height - kJumpMargin;
  const Value options = {{"0", PickerLists::sortedCaseInsensitive(std::move(keys))},
                         {"customHeight", std::to_string(height)}};
  auto picked = [canvas = weakCanvas()](const std::string& key) {
    if (const auto self = canvas.lock()) self->scrollInspectorToOption(key);
  };
  closeOptionMenu(jumpToPicker);
  jumpToPicker = openOptionMenu("Select Style", options, std::move(picked));
}

// Several row labels may contain the key ("frame" in "frame~x"): the last one decides.
void CreatorView::scrollInspectorToOption(const std::string& key) {
  if (!elementOptions) return;
  for (const auto& subview : elementOptions->subviews()) {
    const auto label = std::dynamic_pointer_cast<platform::ui::Label>(subview);
    if (!label || label->text().find(key) == std::string::npos) continue;
    closeOptionMenu(jumpToPicker);
    const auto origin = label->frame().origin;
    elementOptions->setContentOffset({origin.x, origin.y - kJumpMargin}, true);
  }
}

void CreatorView::pickStyleOverrideElement() {
  const Value options = {{"0", PickerLists::sortedCaseInsensitive(getAppsInPreset())},
                         {"blacklist", Value::array({selectedElement})}};
  auto picked = [canvas = weakCanvas(), element = selectedElement](const std::string& app) {
    const auto self = canvas.lock();
    if (!self) return;
    self->setElementStyle("styleOverride", element, app);
    closeOptionMenu(self->uiviewPicker);
  };
  closeOptionMenu(uiviewPicker);
  uiviewPicker = openOptionMenu("Select AppIcon", options, std::move(picked));
}

}  // namespace vantile
