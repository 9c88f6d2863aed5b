#include "editor/canvas/CanvasTags.h"

#include <algorithm>
#include <array>

#include "engine/InnerViewTags.h"

namespace vantile {

namespace {

// The marquee's scrolling label and the app icon's badge picture.
constexpr std::int32_t kMarqueeSubLabelTag = 700;
constexpr std::int32_t kBadgeImageTag = 9991;
constexpr std::int32_t kGlassInnerTagOffset = 1000;

constexpr std::array kInnerTags = {
    innerViewTags::otherDayLabel, kMarqueeSubLabelTag,         innerViewTags::todayLabel,
    innerViewTags::progressBarFill, innerViewTags::weekRow,    innerViewTags::batteryIconFill,
    innerViewTags::levelBarFill,  kBadgeImageTag,
};

}  // namespace

std::int32_t nextCanvasTag(std::int32_t counter, const std::set<std::int32_t>& glassViewTags) {
  const auto reserved = [&glassViewTags](std::int32_t tag) {
    return std::ranges::find(kInnerTags, tag) != kInnerTags.end() ||
           glassViewTags.contains(tag - kGlassInnerTagOffset);
  };
  std::int32_t tag = counter;
  do {
    ++tag;
  } while (reserved(tag));
  return tag;
}

}  // namespace vantile
