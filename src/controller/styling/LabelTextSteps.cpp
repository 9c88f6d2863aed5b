#include "controller/styling/LabelTextSteps.h"

#include "controller/VantileController.h"
#include "controller/styling/LabelAttributedText.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/text/Label.h"

namespace vantile::labeltext {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

}  // namespace

void applyTextSteps(platform::ui::View* view, const Value& element, const DataResolver& handleData) {
  auto* label = dynamic_cast<platform::ui::Label*>(view);
  if (label == nullptr) return;
  const std::string textStyle = stringFor(element, "textStyle").value_or("");
  const std::optional<std::string> kerning = stringFor(element, "kerning");
  const std::optional<Color> secondWordColor = colorFor(element, "colorAfterSpace");

  std::optional<std::string> text;
  if (const std::optional<std::string> data = stringFor(element, "data")) {
    if (auto resolved = handleData(*data)) text = VantileController::setTextStyle(textStyle, *resolved);
    if (text) label->setText(*text);
  }
  const std::optional<double> kerningPoints =
      kerning ? std::optional<double>(foundation::intValue(*kerning)) : std::nullopt;
  if (kerningPoints && text) label->setAttributedText(kernedText(*text, *kerningPoints));
  if (secondWordColor && text) {
    if (auto coloured = secondWordColoured(*text, *secondWordColor, kerningPoints)) {
      label->setAttributedText(std::move(coloured));
    }
  }

  if (const std::optional<std::string> dataAttr = stringFor(element, "dataAttr"); dataAttr && *dataAttr != "none") {
    const auto firstFont = VantileController::getFontFromStyles(element, label, stringFor(element, "fontName"),
                                                                stringFor(element, "fontSize"));
    const std::string second = VantileController::setTextStyle(textStyle, handleData(*dataAttr).value_or(""));
    const auto secondFont = VantileController::getFontFromStyles(element, label, stringFor(element, "fontNameAttr"),
                                                                 stringFor(element, "fontSizeAttr"));
    label->setAttributedText(
        joinedWithSecondText(label->text(), firstFont, second, secondFont, secondTextColor(element)));
  }
}

}  // namespace vantile::labeltext
