#include "editor/pad/PadDirections.h"

#include <algorithm>
#include <limits>

#include "platform/foundation/values/Conversions.h"

namespace vantile {

namespace {

bool isVertical(PadDirection direction) { return direction == PadDirection::up || direction == PadDirection::down; }

PadChange sizeChange(PadDirection direction) {
  const bool grows = direction == PadDirection::up || direction == PadDirection::right;
  return {isVertical(direction) ? "height" : "width", grows ? 1 : -1};
}

PadChange positionChange(PadDirection direction) {
  const bool grows = direction == PadDirection::down || direction == PadDirection::right;
  return {isVertical(direction) ? "y" : "x", grows ? 1 : -1};
}

}  // namespace

std::optional<PadChange> padChangeFor(const ArrowReference& reference) {
  const std::string& style = reference.address.style;
  const std::string& subKey = reference.address.subKey;
  const PadDirection direction = reference.direction;
  if (style == "frame") {
    return subKey == "width" || subKey == "height" ? sizeChange(direction) : positionChange(direction);
  }
  if (style == "contentSize") return sizeChange(direction);
  if (style == "initialOffset") return positionChange(direction);
  if (!isVertical(direction)) return std::nullopt;
  const int sign = direction == PadDirection::up ? 1 : -1;
  if (style == "textShadow" || style == "boxShadow") return PadChange{subKey, sign};
  return PadChange{std::nullopt, sign};
}

std::vector<std::string> padStepTitles() {
  std::vector<std::string> titles;
  for (const PadStep& step : kPadSteps) titles.emplace_back(step.title);
  return titles;
}

std::optional<int> padStepForSegment(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kPadSteps.size()) return std::nullopt;
  return kPadSteps[static_cast<std::size_t>(index)].step;
}

std::string steppedValue(const platform::Value& stored, std::int64_t delta) {
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
  const std::int64_t moved = std::int64_t{platform::foundation::intValue(stored)} + std::clamp(delta, lowest, highest);
  return std::to_string(std::clamp(moved, lowest, highest));
}

}  // namespace vantile
