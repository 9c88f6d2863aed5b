#pragma once

#include <cstdint>

namespace platform::ui {

// How a view follows its superview's size, as the platform's autoresizing mask bits. A
// flexible dimension grows and shrinks by as much as the superview's does (never below 0),
// keeping both margins; other bits are ignored.
namespace Autoresizing {
inline constexpr std::uint32_t none = 0;
inline constexpr std::uint32_t flexibleWidth = 1u << 1;
inline constexpr std::uint32_t flexibleHeight = 1u << 4;
}  // namespace Autoresizing

}  // namespace platform::ui
