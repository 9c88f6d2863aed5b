// The styling of text, image and container elements: data text with its style, kerning,
// second-word colour and second text; gradient; music images; the descent into containers.
#include "controller/VantileController.h"
#include "controller/styling/LabelTextSteps.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/queues/MainQueue.h"
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
  labeltext::applyTextSteps(view.get(), element, [this](std::string_view text) { return handleData(text); });

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
