#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace vantile {

// A device size the canvas can be previewed at, in whole points.
struct PreviewSize {
  int width = 0;
  int height = 0;
  bool operator==(const PreviewSize&) const = default;
};

inline constexpr std::string_view kMyDeviceRow = "My Device";

// The size list's rows, in the order shown.
std::vector<std::string> previewSizeRows();

// The row's size; "My Device", nothing and unknown rows give the screen's size cut to whole points.
PreviewSize previewSizeForRow(const std::optional<std::string>& row, platform::graphics::Size screen);

// "Reset View Position": the display's x that centres it on the main view's top edge, with the
// main view's width cut to whole points and halved as a whole number.
int resetViewPositionX(double mainViewWidth, double displayWidth);

}  // namespace vantile
