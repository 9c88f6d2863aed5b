#include "platform/ui/animation/AnimationValue.h"

#include <type_traits>

namespace platform::ui {

namespace {

using graphics::AffineTransform;
using graphics::Color;
using graphics::Point;
using graphics::Rect;
using graphics::Size;

// Applies `combine` to each pair of components.
template <typename Combine>
double each(double one, double other, Combine combine) {
  return combine(one, other);
}
template <typename Combine>
Point each(Point one, Point other, Combine combine) {
  return {combine(one.x, other.x), combine(one.y, other.y)};
}
template <typename Combine>
Size each(Size one, Size other, Combine combine) {
  return {combine(one.width, other.width), combine(one.height, other.height)};
}
template <typename Combine>
Rect each(const Rect& one, const Rect& other, Combine combine) {
  return {combine(one.x(), other.x()), combine(one.y(), other.y()), combine(one.width(), other.width()),
          combine(one.height(), other.height())};
}
template <typename Combine>
Color each(const Color& one, const Color& other, Combine combine) {
  return {combine(one.red, other.red), combine(one.green, other.green), combine(one.blue, other.blue),
          combine(one.alpha, other.alpha)};
}
template <typename Combine>
AffineTransform each(const AffineTransform& one, const AffineTransform& other, Combine combine) {
  return {combine(one.a, other.a), combine(one.b, other.b),   combine(one.c, other.c),
          combine(one.d, other.d), combine(one.tx, other.tx), combine(one.ty, other.ty)};
}

template <typename Combine>
ColorList each(const ColorList& one, const ColorList& other, Combine combine) {
  ColorList combined;
  combined.reserve(one.size());
  for (std::size_t index = 0; index < one.size(); ++index) {
    combined.push_back(each(one[index], other[index], combine));
  }
  return combined;
}

// Only reached for images that are not combined (see interpolate, add and subtract).
template <typename Combine>
graphics::Image each(const graphics::Image& one, const graphics::Image&, Combine) {
  return one;
}

bool sameLength(const AnimationValue& one, const AnimationValue& other) {
  const auto* list = std::get_if<ColorList>(&one);
  return list == nullptr || list->size() == std::get<ColorList>(other).size();
}

template <typename Combine>
std::optional<AnimationValue> combineSameKind(const AnimationValue& one, const AnimationValue& other, Combine combine) {
  if (!holdSameKind(one, other) || !sameLength(one, other)) {
    return std::nullopt;
  }
  return std::visit(
      [&other, &combine](const auto& first) -> AnimationValue {
        using Kind = std::decay_t<decltype(first)>;
        return each(first, std::get<Kind>(other), combine);
      },
      one);
}

}  // namespace

bool holdSameKind(const AnimationValue& one, const AnimationValue& other) { return one.index() == other.index(); }

std::optional<AnimationValue> interpolate(const AnimationValue& from, const AnimationValue& to, double fraction) {
  if (std::holds_alternative<graphics::Image>(from)) {
    if (!holdSameKind(from, to)) return std::nullopt;
    return fraction < 1 ? from : to;
  }
  return combineSameKind(from, to, [fraction](double a, double b) { return a + (b - a) * fraction; });
}

std::optional<AnimationValue> add(const AnimationValue& value, const AnimationValue& by) {
  if (std::holds_alternative<graphics::Image>(value)) return std::nullopt;
  if (holdSameKind(value, by) && std::holds_alternative<AffineTransform>(value)) {
    return AnimationValue{std::get<AffineTransform>(value).concat(std::get<AffineTransform>(by))};
  }
  return combineSameKind(value, by, [](double a, double b) { return a + b; });
}

std::optional<AnimationValue> subtract(const AnimationValue& value, const AnimationValue& by) {
  if (std::holds_alternative<graphics::Image>(value)) return std::nullopt;
  if (holdSameKind(value, by) && std::holds_alternative<AffineTransform>(value)) {
    const std::optional<AffineTransform> undo = std::get<AffineTransform>(by).inverted();
    if (!undo) {
      return std::nullopt;
    }
    return AnimationValue{std::get<AffineTransform>(value).concat(*undo)};
  }
  return combineSameKind(value, by, [](double a, double b) { return a - b; });
}

}  // namespace platform::ui
