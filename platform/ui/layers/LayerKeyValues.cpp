#include "platform/ui/layers/Layer.h"

namespace platform::ui {

namespace {

using keyvalue::apply;

// Sets a number through a member setter of the layer.
template <void (Layer::*setter)(double)>
std::optional<KeyValueFailure> numberSetter(Layer& layer, std::string_view key, const KeyValue& value) {
  return apply(key, value, keyvalue::number, [&](double number) { (layer.*setter)(number); });
}

template <void (Layer::*setter)(std::optional<graphics::Color>)>
std::optional<KeyValueFailure> colorSetter(Layer& layer, std::string_view key, const KeyValue& value) {
  return apply(key, value, keyvalue::color, [&](std::optional<graphics::Color> color) { (layer.*setter)(color); });
}

const KeyValueSetters<Layer>& layerSetters() {
  static const KeyValueSetters<Layer> setters{
      {"cornerRadius", numberSetter<&Layer::setCornerRadius>},
      {"borderWidth", numberSetter<&Layer::setBorderWidth>},
      {"opacity", numberSetter<&Layer::setOpacity>},
      {"shadowOpacity", numberSetter<&Layer::setShadowOpacity>},
      {"shadowRadius", numberSetter<&Layer::setShadowRadius>},
      {"borderColor", colorSetter<&Layer::setBorderColor>},
      {"backgroundColor", colorSetter<&Layer::setBackgroundColor>},
      {"shadowColor", colorSetter<&Layer::setShadowColor>},
      {"masksToBounds",
       [](Layer& layer, std::string_view key, const KeyValue& value) {
         return apply(key, value, keyvalue::boolean, [&](bool masks) { layer.setMasksToBounds(masks); });
       }},
      {"name",
       [](Layer& layer, std::string_view key, const KeyValue& value) {
         if (std::holds_alternative<std::monostate>(value)) {
           layer.setName(std::nullopt);
           return std::optional<KeyValueFailure>();
         }
         return apply(key, value, keyvalue::text, [&](std::string name) { layer.setName(std::move(name)); });
       }},
  };
  return setters;
}

}  // namespace

bool Layer::respondsToKey(std::string_view key) const { return layerSetters().contains(key); }

std::optional<KeyValueFailure> Layer::setValueForKey(std::string_view key, const KeyValue& value) {
  const auto setter = layerSetters().find(key);
  if (setter == layerSetters().end()) {
    return KeyValueFailure{"the layer is not key value coding-compliant for the key \"" + std::string(key) + "\""};
  }
  return setter->second(*this, key, value);
}

}  // namespace platform::ui
