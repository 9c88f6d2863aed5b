#include "engine/builders/EndlessScrollMarkers.h"

#include "platform/foundation/values/Conversions.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile::endless {

namespace {

constexpr const char* kOriginalWidth = "originalWidth";
constexpr const char* kOriginalHeight = "originalHeight";

bool wrapsHorizontally(const std::string& axes) { return axes == "horizontal" || axes == "both"; }
bool wrapsVertically(const std::string& axes) { return axes == "vertical" || axes == "both"; }

// Within one point of the start moves forward by a copy; within one point of the end of the
// second copy moves back by one.
double wrapped(double position, double copy) {
  if (position <= 1) return position + copy;
  if (position >= 2 * copy - 1) return position - copy;
  return position;
}

}  // namespace

std::optional<Markers> markersOf(const platform::ui::Layer& layer) {
  const auto& axes = layer.name();
  if (!axes || axes->empty() || *axes == "none") return std::nullopt;
  const auto width = layer.value(kOriginalWidth);
  const auto height = layer.value(kOriginalHeight);
  if (!width || !height) return std::nullopt;
  Markers markers{*axes, platform::foundation::doubleValue(*width), platform::foundation::doubleValue(*height)};
  if (markers.originalWidth <= 0 || markers.originalHeight <= 0) return std::nullopt;
  return markers;
}

void tripleContent(platform::ui::ScrollView& scrollView, const std::string& axes, platform::graphics::Size original) {
  const double w = original.width;
  const double h = original.height;
  scrollView.layer()->setName(axes);
  // Single precision, as the markers have always been stored.
  scrollView.layer()->setValue(kOriginalWidth, static_cast<float>(w));
  scrollView.layer()->setValue(kOriginalHeight, static_cast<float>(h));
  if (axes == "horizontal") {
    scrollView.setContentSize({3 * w, h});
    scrollView.setContentOffset({w, 0}, false);
  } else if (axes == "vertical") {
    scrollView.setContentSize({w, 3 * h});
    scrollView.setContentOffset({0, h}, false);
  } else if (axes == "both") {
    scrollView.setContentSize({3 * w, 3 * h});
    scrollView.setContentOffset({w, h}, false);
  }
}

platform::graphics::Point wrappedOffset(const Markers& markers, platform::graphics::Point offset) {
  platform::graphics::Point result = offset;
  if (wrapsHorizontally(markers.axes)) result.x = wrapped(offset.x, markers.originalWidth);
  if (wrapsVertically(markers.axes)) result.y = wrapped(offset.y, markers.originalHeight);
  return result;
}

}  // namespace vantile::endless
