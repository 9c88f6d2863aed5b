#include "editor/panel/PreviewSizes.h"

#include <array>
#include <utility>

namespace vantile {

namespace {

constexpr std::array<std::pair<std::string_view, PreviewSize>, 10> kDeviceSizes{{
    {"iPX, XS, 11Pro 375x812", {375, 812}},
    {"iPad Air 824x1112", {824, 1112}},
    {"iP6, 6s, 7, 8 plus 414x736", {414, 736}},
    {"XSMax, 11ProMax, XR, iP11 414x896", {414, 896}},
    {"12Pro, 12, 13Pro, 13, 14 390x844", {390, 844}},
    {"12ProMax, 13ProMax, 14Plus 428x926", {428, 926}},
    {"12Mini, 13Mini 375x812", {375, 812}},
    {"14Pro 393x852", {393, 852}},
    {"14Pro Max 430x932", {430, 932}},
    {"iP6, 6s 7, 8, SE(2ndGen) 375x667", {375, 667}},
}};

}  // namespace

std::vector<std::string> previewSizeRows() {
  std::vector<std::string> rows{std::string(kMyDeviceRow)};
  for (const auto& [row, size] : kDeviceSizes) rows.emplace_back(row);
  return rows;
}

PreviewSize previewSizeForRow(const std::optional<std::string>& row, platform::graphics::Size screen) {
  if (row) {
    for (const auto& [name, size] : kDeviceSizes) {
      if (*row == name) return size;
    }
  }
  return {static_cast<int>(screen.width), static_cast<int>(screen.height)};
}

int resetViewPositionX(double mainViewWidth, double displayWidth) {
  const int halfWidth = static_cast<int>(mainViewWidth) / 2;
  return static_cast<int>(halfWidth - displayWidth / 2);
}

}  // namespace vantile
