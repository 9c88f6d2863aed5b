#include "hosts/common/CommandLine.h"

#include <charconv>
#include <cmath>

namespace vantile::hosts {

namespace {

constexpr double kMaximumScreenPoints = 10000;
constexpr double kMaximumScreenScale = 4;

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<ScreenSpec> parseScreen(std::string_view text) {
  const std::size_t times = text.find('x');
  if (times == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t at = text.find('@', times);
  const auto width = parseNumber(text.substr(0, times));
  const auto height = parseNumber(text.substr(times + 1, at == std::string_view::npos ? text.npos : at - times - 1));
  const auto scale =
      at == std::string_view::npos ? std::optional<double>(ScreenSpec{}.scale) : parseNumber(text.substr(at + 1));
  if (!width || !height || !scale || *width <= 0 || *height <= 0 || *width > kMaximumScreenPoints ||
      *height > kMaximumScreenPoints || *scale <= 0 || *scale > kMaximumScreenScale) {
    return std::nullopt;
  }
  return ScreenSpec{*width, *height, *scale};
}

}  // namespace vantile::hosts
