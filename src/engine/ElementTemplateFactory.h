#pragma once

#include "platform/foundation/values/Value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantile {

// The element types and a fresh description with default values for each; completes partial
// descriptions from those defaults. Every call builds new values that the caller owns.
class ElementTemplateFactory {
 public:
  static ElementTemplateFactory& sharedInstance();

  // The fifteen creatable types, in the order the editor shows them.
  std::vector<std::string> basicElementTypes() const;

  platform::Value defaultFrame() const;
  platform::Value defaultTextFrame() const;
  platform::Value defaultMarqueeFrame() const;
  platform::Value defaultScrollviewFrame() const;
  platform::Value progressFrame() const;
  platform::Value defaultShadow() const;

  platform::Value UILabel() const;
  platform::Value MarqueeLabel() const;
  platform::Value UITextView() const;
  platform::Value UIView() const;
  platform::Value GlassView() const;
  platform::Value ScrollView() const;
  platform::Value UIImageView() const;
  platform::Value WKWebView() const;
  platform::Value CircleProgress() const;
  platform::Value AppIcon() const;
  platform::Value WeatherIcon() const;
  platform::Value BatteryIcon() const;
  platform::Value BatteryBar() const;
  platform::Value ProgressBar() const;
  platform::Value ElapsedBar() const;
  platform::Value WeekWidget() const;
  platform::Value AnalogClock() const;

  // The template of a type by its name (the seventeen above), or nothing.
  std::optional<platform::Value> templateForType(std::string_view type) const;

  // The description with every missing key of its type's template filled in, children
  // completed too; unchanged when it has no known type. Nothing given gives an empty dictionary.
  platform::Value validateAndCompleteElement(const platform::Value& element) const;
  // Name → completed description; nothing given gives nothing.
  std::optional<platform::Value> validateAndCompleteElementsRecursively(const platform::Value& children) const;

  ElementTemplateFactory(const ElementTemplateFactory&) = delete;
  ElementTemplateFactory& operator=(const ElementTemplateFactory&) = delete;

 private:
  ElementTemplateFactory() = default;
};

}  // namespace vantile
