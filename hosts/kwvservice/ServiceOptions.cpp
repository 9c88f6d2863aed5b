#include "ServiceOptions.h"

#include <charconv>
#include <string_view>

namespace vantile::kwvservice {

namespace {

template <class Number>
std::optional<Number> number(std::string_view text) {
  Number value{};
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<platform::graphics::Size> screenSize(std::string_view text) {
  const auto cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const auto width = number<int>(text.substr(0, cross));
  const auto height = number<int>(text.substr(cross + 1));
  if (!width || !height || *width <= 0 || *height <= 0 || *width > 10000 || *height > 10000) return std::nullopt;
  return platform::graphics::Size{static_cast<double>(*width), static_cast<double>(*height)};
}

}  // namespace

ServiceOptionsReading parseServiceOptions(const std::vector<std::string>& arguments) {
  ServiceOptions options;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& flag = arguments[at];
    if (at + 1 >= arguments.size()) return {std::nullopt, flag + " needs a value"};
    const std::string& value = arguments[++at];
    if (flag == "--channel-fd") {
      const auto channel = number<int>(value);
      if (!channel || *channel < 0) return {std::nullopt, "--channel-fd takes a file descriptor"};
      options.channel = *channel;
    } else if (flag == "--screen") {
      const auto size = screenSize(value);
      if (!size) return {std::nullopt, "--screen takes <width>x<height> in points"};
      options.screen = *size;
    } else if (flag == "--scale") {
      const auto scale = number<double>(value);
      if (!scale || !(*scale > 0 && *scale <= 4)) return {std::nullopt, "--scale takes a number above 0, at most 4"};
      options.scale = *scale;
    } else {
      return {std::nullopt, std::string("unknown option ").append(flag)};
    }
  }
  if (options.channel < 0) return {std::nullopt, "--channel-fd is missing (the service is started by its host)"};
  return {options, {}};
}

}  // namespace vantile::kwvservice
