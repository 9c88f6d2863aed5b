#pragma once

#include <optional>
#include <string_view>

namespace vantile::hosts {

// The device's screen: size in points and pixels per point.
struct ScreenSpec {
  double width = 375;
  double height = 812;
  double scale = 3;

  friend bool operator==(const ScreenSpec&, const ScreenSpec&) = default;
};

// A whole finite number ("12", "0.5"), nothing for anything else.
std::optional<double> parseNumber(std::string_view text);

// "375x812@3"; the scale may be left out ("375x812"). Sizes up to 10000 points, scales up to 4.
std::optional<ScreenSpec> parseScreen(std::string_view text);

}  // namespace vantile::hosts
