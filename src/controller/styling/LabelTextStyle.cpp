// The styling of text, image and container elements: data text with its style, kerning,
// second-word colour and second text; gradient; music images; the descent into containers.
#include "controller/styling/LabelAttributedText.h"
#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/Conversions.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

constexpr Color kWhite{1, 1, 1, 1};

bool isSet(const std::optional<std::string>& value) { return value && *value != "none"; }

bool isContainer(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

// The colour of the second text: white, else "textColor", else "fontColorAttr"; a later key
// that is present replaces the earlier colour even when it does not parse.
std::optional<Color> secondTextColor(const Value& element) {
  std::optional<Color> color = kWhite;
  if (hasKey(element, "textColor")) color = colorFor(element, "textColor");
  if (isSet(stringFor(element, "fontColorAttr"))) color = colorFor(element, "fontColorAttr");
  return color;
}

void applyGradient(platform::ui::View& view, const Value& element) {
  if (auto* label = dynamic_cast<platform::ui::Label*>(&view)) {
    applyGradientTextColor(*label, element);
    return;
  }
  const std::optional<std::string> name = stringFor(element, "gradientImage");
  if (!isSet(name)) return;
  if (auto image = assetImage(*name)) view.setBackgroundPattern(std::move(image));
}

// A pause image shows while music plays; the element's own image comes back when it stops.
void applyMusicImage(platform::ui::ImageView& imageView, const Value& element, bool musicPlaying) {
  const std::optional<std::string> pauseImage = stringFor(element, "pauseImage");
  if (!isSet(pauseImage)) return;
  if (musicPlaying) {
    imageView.setImage(assetImage(*pauseImage));
  } else {
    const std::optional<std::string> imageURL = stringFor(element, "imageURL");
    imageView.setImage(imageURL ? assetImage(*imageURL) : std::nullopt);
  }
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
          labeltext::joinedWithSecondText(label->text(), firstFont, second, secondFont, secondTextColor(element)));
    }
  }

  if (view) applyGradient(*view, element);
  if (const auto imageView = std::dynamic_pointer_cast<platform::ui::ImageView>(view)) {
    applyMusicImage(*imageView, element, providers.isMusicPlaying && providers.isMusicPlaying());
  }

  if (isContainer(type) && hasKey(element, "children")) updateChildren(valueFor(element, "children"), location);
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
