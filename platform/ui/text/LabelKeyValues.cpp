#include <algorithm>
#include <limits>

#include "platform/ui/text/Label.h"

namespace platform::ui {

namespace {

using keyvalue::apply;

// A nil text colour is the default black, as the platform resets it.
constexpr graphics::Color kDefaultTextColor{0, 0, 0, 1};

const KeyValueSetters<Label>& labelSetters() {
  static const KeyValueSetters<Label> setters{
      {"text",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::text, [&](std::string text) { label.setText(std::move(text)); });
       }},
      {"textColor",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::color, [&](std::optional<graphics::Color> color) {
           label.setTextColor(color.value_or(kDefaultTextColor));
         });
       }},
      {"shadowColor",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::color, [&](std::optional<graphics::Color> color) { label.setShadowColor(color); });
       }},
      {"backgroundColor",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::color,
                      [&](std::optional<graphics::Color> color) { label.setBackgroundColor(color); });
       }},
      {"numberOfLines",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::integer, [&](std::int64_t lines) {
           label.setNumberOfLines(static_cast<int>(std::clamp<std::int64_t>(lines, 0, std::numeric_limits<int>::max())));
         });
       }},
      {"alpha",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::number, [&](double alpha) { label.setAlpha(alpha); });
       }},
      {"tag",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::integer, [&](std::int64_t tag) { label.setTag(tag); });
       }},
      {"clipsToBounds",
       [](Label& label, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::boolean, [&](bool clips) { label.setClipsToBounds(clips); });
       }},
  };
  return setters;
}

}  // namespace

bool Label::respondsToKey(std::string_view key) const { return labelSetters().contains(key); }

std::optional<KeyValueFailure> Label::setValueForKey(std::string_view key, const KeyValue& value) {
  const auto setter = labelSetters().find(key);
  if (setter == labelSetters().end()) {
    return KeyValueFailure{"the label is not key value coding-compliant for the key \"" + std::string(key) + "\""};
  }
  return setter->second(*this, key, value);
}

}  // namespace platform::ui
