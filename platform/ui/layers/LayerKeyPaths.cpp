#include "platform/ui/layers/LayerKeyPaths.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace platform::ui {

namespace {

using graphics::AffineTransform;
using graphics::Color;
using graphics::Point;
using graphics::Rect;
using graphics::Size;

// A transform taken apart as scale, then rotation, then translation (shear dropped).
struct TransformParts {
  double scaleX = 1;
  double scaleY = 1;
  double rotation = 0;
  double translationX = 0;
  double translationY = 0;

  static TransformParts of(const AffineTransform& t) {
    TransformParts parts;
    parts.translationX = t.tx;
    parts.translationY = t.ty;
    parts.scaleX = std::hypot(t.a, t.b);
    if (parts.scaleX > 1e-12) {
      parts.rotation = std::atan2(t.b, t.a);
      parts.scaleY = (t.a * t.d - t.b * t.c) / parts.scaleX;
    } else {
      parts.rotation = std::atan2(-t.c, t.d);
      parts.scaleY = std::hypot(t.c, t.d);
    }
    return parts;
  }

  AffineTransform transform() const {
    return AffineTransform::scale(scaleX, scaleY)
        .concat(AffineTransform::rotation(rotation))
        .concat(AffineTransform::translation(translationX, translationY));
  }
};

struct Accessor {
  std::function<AnimationValue(const LayerProperties&)> get;
  // Only called with a value of the kind `get` returns.
  std::function<void(LayerProperties&, const AnimationValue&)> set;
};

// An accessor for a member reached through `member` (callable on const and mutable
// properties alike), of kind T.
template <typename T, typename Member>
Accessor direct(Member member) {
  return {[member](const LayerProperties& p) -> AnimationValue { return member(p); },
          [member](LayerProperties& p, const AnimationValue& value) { member(p) = std::get<T>(value); }};
}

Accessor optionalColor(std::optional<Color> LayerProperties::*member) {
  return {[member](const LayerProperties& p) -> AnimationValue {
            return (p.*member).value_or(Color{0, 0, 0, 0});
          },
          [member](LayerProperties& p, const AnimationValue& value) { p.*member = std::get<Color>(value); }};
}

Accessor unitInterval(double LayerProperties::*member) {
  return {[member](const LayerProperties& p) -> AnimationValue { return p.*member; },
          [member](LayerProperties& p, const AnimationValue& value) {
            p.*member = std::clamp(std::get<double>(value), 0.0, 1.0);
          }};
}

// An accessor for one part of the transform.
template <typename Read, typename Write>
Accessor transformPart(Read read, Write write) {
  return {[read](const LayerProperties& p) -> AnimationValue { return read(TransformParts::of(p.transform)); },
          [write](LayerProperties& p, const AnimationValue& value) {
            TransformParts parts = TransformParts::of(p.transform);
            write(parts, value);
            p.transform = parts.transform();
          }};
}

const std::map<std::string, Accessor, std::less<>>& accessors() {
  using P = LayerProperties;
  static const std::map<std::string, Accessor, std::less<>> table = {
      {"position", direct<Point>([](auto& p) -> auto& { return p.position; })},
      {"position.x", direct<double>([](auto& p) -> auto& { return p.position.x; })},
      {"position.y", direct<double>([](auto& p) -> auto& { return p.position.y; })},
      {"bounds", direct<Rect>([](auto& p) -> auto& { return p.bounds; })},
      {"bounds.origin", direct<Point>([](auto& p) -> auto& { return p.bounds.origin; })},
      {"bounds.origin.x", direct<double>([](auto& p) -> auto& { return p.bounds.origin.x; })},
      {"bounds.origin.y", direct<double>([](auto& p) -> auto& { return p.bounds.origin.y; })},
      {"bounds.size", direct<Size>([](auto& p) -> auto& { return p.bounds.size; })},
      {"bounds.size.width", direct<double>([](auto& p) -> auto& { return p.bounds.size.width; })},
      {"bounds.size.height", direct<double>([](auto& p) -> auto& { return p.bounds.size.height; })},
      {"anchorPoint", direct<Point>([](auto& p) -> auto& { return p.anchorPoint; })},
      {"transform", direct<AffineTransform>([](auto& p) -> auto& { return p.transform; })},
      {"transform.rotation",
       transformPart([](const TransformParts& t) -> AnimationValue { return t.rotation; },
                     [](TransformParts& t, const AnimationValue& v) { t.rotation = std::get<double>(v); })},
      {"transform.scale",
       transformPart([](const TransformParts& t) -> AnimationValue { return (t.scaleX + t.scaleY) / 2; },
                     [](TransformParts& t, const AnimationValue& v) { t.scaleX = t.scaleY = std::get<double>(v); })},
      {"transform.scale.x",
       transformPart([](const TransformParts& t) -> AnimationValue { return t.scaleX; },
                     [](TransformParts& t, const AnimationValue& v) { t.scaleX = std::get<double>(v); })},
      {"transform.scale.y",
       transformPart([](const TransformParts& t) -> AnimationValue { return t.scaleY; },
                     [](TransformParts& t, const AnimationValue& v) { t.scaleY = std::get<double>(v); })},
      {"transform.translation", transformPart(
                                    [](const TransformParts& t) -> AnimationValue {
                                      return Size{t.translationX, t.translationY};
                                    },
                                    [](TransformParts& t, const AnimationValue& v) {
                                      t.translationX = std::get<Size>(v).width;
                                      t.translationY = std::get<Size>(v).height;
                                    })},
      {"transform.translation.x",
       transformPart([](const TransformParts& t) -> AnimationValue { return t.translationX; },
                     [](TransformParts& t, const AnimationValue& v) { t.translationX = std::get<double>(v); })},
      {"transform.translation.y",
       transformPart([](const TransformParts& t) -> AnimationValue { return t.translationY; },
                     [](TransformParts& t, const AnimationValue& v) { t.translationY = std::get<double>(v); })},
      {"opacity", unitInterval(&P::opacity)},
      {"backgroundColor", optionalColor(&P::backgroundColor)},
      {"cornerRadius", direct<double>([](auto& p) -> auto& { return p.cornerRadius; })},
      {"borderWidth", direct<double>([](auto& p) -> auto& { return p.borderWidth; })},
      {"borderColor", optionalColor(&P::borderColor)},
      {"shadowColor", optionalColor(&P::shadowColor)},
      {"shadowOpacity", unitInterval(&P::shadowOpacity)},
      {"shadowOffset", direct<Size>([](auto& p) -> auto& { return p.shadowOffset; })},
      {"shadowRadius", direct<double>([](auto& p) -> auto& { return p.shadowRadius; })},
  };
  return table;
}

const Accessor* accessorFor(std::string_view keyPath) {
  // The platform's "transform.rotation" turns about z.
  if (keyPath == "transform.rotation.z") {
    keyPath = "transform.rotation";
  }
  const auto& table = accessors();
  const auto found = table.find(keyPath);
  return found == table.end() ? nullptr : &found->second;
}

}  // namespace

std::optional<AnimationValue> LayerKeyPaths::value(std::string_view keyPath) const {
  const Accessor* accessor = accessorFor(keyPath);
  if (accessor == nullptr) {
    return std::nullopt;
  }
  return accessor->get(properties_);
}

bool LayerKeyPaths::setValue(std::string_view keyPath, const AnimationValue& value) {
  const Accessor* accessor = accessorFor(keyPath);
  if (accessor == nullptr || !holdSameKind(accessor->get(properties_), value)) {
    return false;
  }
  accessor->set(properties_, value);
  return true;
}

std::optional<AnimationValue> LayerKeyPaths::defaultValue(std::string_view keyPath) {
  LayerProperties defaults;
  return LayerKeyPaths(defaults).value(keyPath);
}

}  // namespace platform::ui
