#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace platform::objc {

// How many arguments a selector takes: one per colon ("hitTest:withEvent:" takes two).
constexpr std::size_t selectorArgumentCount(std::string_view selector) {
  return static_cast<std::size_t>(std::count(selector.begin(), selector.end(), ':'));
}

}  // namespace platform::objc
