#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "platform/graphics/AffineTransform.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

namespace platform::ui {

// The colours of a gradient, stop by stop.
using ColorList = std::vector<graphics::Color>;

// A value an animation moves a key path through. Colour lists combine stop by stop and only
// with lists of the same length. Images (a layer's contents) do not blend: between two of them
// the first shows until the second is reached, and they neither add nor subtract.
using AnimationValue = std::variant<double, graphics::Point, graphics::Size, graphics::Rect, graphics::Color,
                                    graphics::AffineTransform, ColorList, graphics::Image>;

// from + (to − from) · fraction, component by component (fractions outside 0...1
// extrapolate, as springs overshoot). Nothing when the two hold different kinds.
std::optional<AnimationValue> interpolate(const AnimationValue& from, const AnimationValue& to, double fraction);

// Component-wise sum and difference, for animations given by a "by" value. Transforms
// compose: `by` acts after `value`. Nothing when the two hold different kinds.
std::optional<AnimationValue> add(const AnimationValue& value, const AnimationValue& by);
std::optional<AnimationValue> subtract(const AnimationValue& value, const AnimationValue& by);

bool holdSameKind(const AnimationValue& one, const AnimationValue& other);

}  // namespace platform::ui
