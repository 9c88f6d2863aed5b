#include "inspector/menu/MenuLayout.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace vantile::MenuLayout {

namespace {

constexpr int kRowHeight = 40;
constexpr int kTitleHeight = 40;
constexpr int kMinimumHeight = 300;
constexpr int kSegmentOnlyHeight = 80;
constexpr int kSegmentOnlyLift = 300;

int whole(double points) { return static_cast<int>(std::trunc(points)); }

}  // namespace

int panelHeight(std::size_t rowCount, std::optional<int> customHeight, double screenHeight) {
  if (customHeight) return *customHeight;
  const double listHeight = static_cast<double>(rowCount) * kRowHeight + kTitleHeight;
  return std::max(whole(std::min(listHeight, screenHeight / 2)), kMinimumHeight);
}

int panelTop(int panelHeight, double screenHeight) {
  const int top = whole(screenHeight) - panelHeight;
  if (top > kSegmentOnlyLift && panelHeight == kSegmentOnlyHeight) return whole(screenHeight) - kSegmentOnlyLift;
  return top;
}

bool namesPicture(std::string_view value) {
  static constexpr std::array<std::string_view, 6> kExtensions{"png", "jpg", "PNG", "JPG", "JPEG", "jpeg"};
  const auto firstDot = value.find('.');
  if (firstDot == std::string_view::npos) return false;
  const auto afterDot = value.substr(firstDot + 1);
  const auto extension = afterDot.substr(0, afterDot.find('.'));
  return std::ranges::find(kExtensions, extension) != kExtensions.end();
}

std::string lowercased(std::string_view text) {
  std::string result;
  icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
      .toLower(icu::Locale::getRoot())
      .toUTF8String(result);
  return result;
}

std::vector<std::string> rowsMatching(const std::vector<std::string>& rows, std::string_view query) {
  const std::string needle = lowercased(query);
  std::vector<std::string> matching;
  std::ranges::copy_if(rows, std::back_inserter(matching),
                       [&](const std::string& row) { return lowercased(row).find(needle) != std::string::npos; });
  return matching;
}

std::string rowText(std::string_view value, const std::optional<std::string>& secondText) {
  std::string text = "     " + std::string(value);
  if (secondText) text += " - " + *secondText;
  return text;
}

std::vector<std::string> strings(const platform::Value& array) {
  std::vector<std::string> result;
  if (!array.is_array()) return result;
  for (const auto& entry : array) {
    if (entry.is_string()) result.push_back(entry.get<std::string>());
  }
  return result;
}

}  // namespace vantile::MenuLayout
