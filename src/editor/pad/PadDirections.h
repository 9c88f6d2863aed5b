#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/pad/PadAddress.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// What one press of an arrow changes.
struct PadChange {
  // The dictionary entry; nothing for a plain style, whose own value changes.
  std::optional<std::string> entry;
  // +1 adds the step, -1 takes it away.
  int sign = 1;
  bool operator==(const PadChange&) const = default;
};

// Nothing for a direction the style's pad does not show (left and right of a shadow or a plain
// style). Frames move from x and y and resize from width and height; positions grow downwards
// and to the right, sizes upwards and to the right.
std::optional<PadChange> padChangeFor(const ArrowReference& reference);

struct PadStep {
  std::string_view title;
  int step;
};
inline constexpr std::array<PadStep, 6> kPadSteps{{
    {"1px", 1}, {"5px", 5}, {"10px", 10}, {"20px", 20}, {"50px", 50}, {"100px", 100},
}};

std::vector<std::string> padStepTitles();
// Nothing for an index outside the selector.
std::optional<int> padStepForSegment(int index);

// The stored value's whole-number prefix ("20px" → 20, "center" → 0) moved by `delta`, written
// as a whole number; the result saturates at the 32-bit range instead of wrapping.
std::string steppedValue(const platform::Value& stored, std::int64_t delta);

}  // namespace vantile
