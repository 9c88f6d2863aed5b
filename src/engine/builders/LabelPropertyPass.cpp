#include "engine/builders/LabelPropertyPass.h"

#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

using platform::ui::KeyValue;

// The form decides the kind, whatever the property is.
KeyValue keyValueOf(const std::string& text) {
  if (platform::foundation::contains(text, "rgba")) {
    if (const auto color = VantileHelpers::uiColorFromString(text)) return *color;
    return std::monostate{};
  }
  if (conventions::isDigitsOnly(text)) return platform::foundation::integerValue(text);
  return text;
}

}  // namespace

void applyLabelPropertyPass(platform::ui::Label& label, const platform::Value& options, std::string_view logPrefix) {
  if (!options.is_object()) return;
  for (const auto& [key, value] : options.items()) {
    if (key == "textAlignment" || key == "frame") continue;
    const KeyValue converted = keyValueOf(platform::foundation::description(value));
    std::optional<platform::ui::KeyValueFailure> failure;
    if (label.respondsToKey(key)) failure = label.setValueForKey(key, converted);
    if (!failure && label.layer()->respondsToKey(key)) failure = label.layer()->setValueForKey(key, converted);
    if (failure) VantileHelpers::writeToLog(std::string(logPrefix) + " " + key + " : " + failure->description);
  }
}

}  // namespace vantile
