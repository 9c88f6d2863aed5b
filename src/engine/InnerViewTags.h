#pragma once

#include <cstdint>

// Tags the builders give the inner views of an element; the styling and data passes find those
// views again by them, so both sides must read the same numbers.
namespace vantile::innerViewTags {

// The week widget's own view and its row of day labels (searched below the widget's view).
inline constexpr std::int32_t weekRow = 9966;
inline constexpr std::int32_t todayLabel = 3354;
inline constexpr std::int32_t otherDayLabel = 44;
inline constexpr std::int32_t batteryIconFill = 9967;
// The fill of battery bars and elapsed bars.
inline constexpr std::int32_t levelBarFill = 9968;
inline constexpr std::int32_t progressBarFill = 9937;

}  // namespace vantile::innerViewTags
