#include "editor/selection/InspectorFields.h"

#include "platform/ui/input/TextField.h"
#include "platform/ui/layers/Layer.h"

namespace vantile {

void fillTextFields(const platform::ui::View& root, const FieldTexts& texts) {
  for (const auto& subview : root.subviews()) {
    const auto field = std::dynamic_pointer_cast<platform::ui::TextField>(subview);
    if (!field) {
      fillTextFields(*subview, texts);
      continue;
    }
    const std::optional<std::string>& layerName = field->layer()->name();
    if (!layerName) continue;
    if (const auto text = texts.find(*layerName); text != texts.end()) field->setText(text->second);
  }
}

}  // namespace vantile
