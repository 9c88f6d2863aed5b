#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform::ui {

// Three box blurs in a row approach a Gaussian whose standard deviation is `radius` pixels,
// closely enough for shadows and frosted glass, at a cost that does not grow with the radius.
// Pixels beyond the edges repeat the edge pixel. Planes too small for their size are left alone.

// One byte per pixel (an alpha plane).
void boxBlurAlpha(std::span<std::uint8_t> plane, int width, int height, int stride, double radius);

// Cairo's premultiplied ARGB32; the four channels blur alike, so the result stays premultiplied.
void boxBlurARGB(std::span<std::uint32_t> pixels, int width, int height, double radius);

// The ARGB32 image shrunk by a whole factor, each pixel the average of a factor × factor block
// (blocks at the right and bottom edges are partial). Blurring a shrunk copy costs a fraction
// of blurring the whole, and a wide blur hides the lost detail.
std::vector<std::uint32_t> shrinkARGB(std::span<const std::uint32_t> pixels, int width, int height, int factor);

}  // namespace platform::ui
