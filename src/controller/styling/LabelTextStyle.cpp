// The styling of text, image and container elements: data text with its style, kerning,
// second-word colour and second text; gradient; music images; the descent into containers.
#include "controller/VantileController.h"
#include "controller/styling/LabelAttributedText.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

bool isSet(const std::optional<std::string>& value) { return value && *value != "none"; }

bool isContainer(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

void applyGradient(platform::ui::View& view, const Value& element) {
  if (auto* label = dynamic_cast<platform::ui::Label*>(&view)) {
    applyGradientTextColor(*label, element);
    return;
  }
  const std::optional<std::string> name = stringFor(element, "gradientImage");
  if (!isSet(name)) return;
  if (auto image = assetImage(*name)) view.setBackgroundPattern(std::move(image));
}

}  // namespace

void VantileController::updateUILabel(const Value& element, std::int32_t tag, const std::string& location) {
  const std::string type = stringFor(element, "type").value_or("");
  if (type == "WeatherIcon") return;

  const std::shared_ptr<platform::ui::View> view = elementView(location, tag);
  const auto label = std::dynamic_pointer_cast<platform::ui::Label>(view);
  const std::string textStyle = stringFor(element, "textStyle").value_or("");
  const std::optional<std::string> kerning = stringFor(element, "kerning");
  const std::optional<Color> secondWordColor = colorFor(element, "colorAfterSpace");

  std::optional<std::string> text;
  if (hasKey(element, "data")) {
    if (auto resolved = handleData(stringFor(element, "data"))) text = setTextStyle(textStyle, *resolved);
    if (label && text) label->setText(*text);
  }
  if (label && kerning && text) {
    label->setAttributedText(labeltext::kernedText(*text, foundation::intValue(*kerning)));
  }
  if (label && secondWordColor && text) {
    const std::optional<double> kerningPoints =
        kerning ? std::optional<double>(foundation::intValue(*kerning)) : std::nullopt;
    if (auto coloured = labeltext::secondWordColoured(*text, *secondWordColor, kerningPoints)) {
      label->setAttributedText(std::move(coloured));
    }
  }

  if (const std::optional<std::string> dataAttr = stringFor(element, "dataAttr"); isSet(dataAttr)) {
    const auto firstFont = getFontFromStyles(element, view.get(), stringFor(element, "fontName"),
                                             stringFor(element, "fontSize"));
    const std::string second = setTextStyle(textStyle, handleData(*dataAttr).value_or(""));
    const auto secondFont = getFontFromStyles(element, view.get(), stringFor(element, "fontNameAttr"),
                                              stringFor(element, "fontSizeAttr"));
    if (label) {
      label->setAttributedText(
          labeltext::joinedWithSecondText(label->text(), firstFont, second, secondFont, labeltext::secondTextColor(element)));
    }
  }

  if (view) applyGradient(*view, element);
  if (const auto imageView = std::dynamic_pointer_cast<platform::ui::ImageView>(view)) {
    updateMusicData(element, *imageView);
  }

  if (!isContainer(type)) return;
  if (view) {
    checkIfUIViewShouldHide(element, view);
    // Queued, so the knockout sees the container's children already styled.
    foundation::MainQueue::shared().post([weak = weak_from_this(), element, view] {
      if (auto self = weak.lock()) self->checkIfHasKnockout(element, view);
    });
  }
  if (hasKey(element, "children")) updateChildren(valueFor(element, "children"), location);
}

platform::graphics::Font VantileController::getFontFromStyles(const Value& element, const platform::ui::View* label,
                                                              const std::optional<std::string>& fontName,
                                                              const std::optional<std::string>& fontSize) {
  // The engine's font rules are these, read from the keys it names.
  Value options = Value::object();
  if (fontName) options["fontName"] = *fontName;
  if (fontSize) options["fontSize"] = *fontSize;
  if (hasKey(element, "customFontName")) options["customFontName"] = valueFor(element, "customFontName");
  return resolveFont(options, label ? label->frame().height() : 0);
}

}  // namespace vantile
