#include "platform/ui/render/BoxBlur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform::ui {
namespace {

constexpr int kPasses = 3;

// Three passes of a box of half-width r have the variance r² + r of a Gaussian.
int boxHalfWidth(double sigma) { return static_cast<int>(std::lround(std::sqrt(sigma * sigma + 0.25) - 0.5)); }

// Division by the box size, rounded, as a multiplication; monotone in the sum, so
// premultiplied colour never ends up above its alpha.
struct BoxAverage {
  explicit BoxAverage(int halfWidth) : multiplier((std::uint64_t{1} << 24) / (2 * halfWidth + 1) + 1) {}
  std::uint8_t operator()(std::uint32_t sum) const {
    return static_cast<std::uint8_t>(std::min<std::uint64_t>(255, (sum * multiplier + (std::uint64_t{1} << 23)) >> 24));
  }
  std::uint64_t multiplier;
};

// Rows of `channels` interleaved byte channels, each blurred on its own.
void blurRows(std::uint8_t* data, int width, int height, int stride, int channels, int r) {
  const BoxAverage average(r);
  std::vector<std::uint8_t> line(static_cast<std::size_t>(width) * channels);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = data + static_cast<std::ptrdiff_t>(y) * stride;
    std::memcpy(line.data(), row, line.size());
    for (int c = 0; c < channels; ++c) {
      auto at = [&](int x) { return std::uint32_t{line[std::clamp(x, 0, width - 1) * channels + c]}; };
      std::uint32_t sum = 0;
      for (int x = -r; x <= r; ++x) sum += at(x);
      for (int x = 0; x < width; ++x) {
        row[x * channels + c] = average(sum);
        sum += at(x + r + 1) - at(x - r);
      }
    }
  }
}

// Column sums kept for a whole row at a time, so memory is read row by row.
void blurColumns(std::uint8_t* data, int width, int height, int stride, int channels, int r) {
  const BoxAverage average(r);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  std::vector<std::uint8_t> source(rowBytes * height);
  for (int y = 0; y < height; ++y) {
    std::memcpy(source.data() + y * rowBytes, data + static_cast<std::ptrdiff_t>(y) * stride, rowBytes);
  }
  auto rowAt = [&](int y) { return source.data() + std::clamp(y, 0, height - 1) * rowBytes; };
  std::vector<std::uint32_t> sums(rowBytes, 0);
  for (int y = -r; y <= r; ++y) {
    const std::uint8_t* row = rowAt(y);
    for (std::size_t i = 0; i < rowBytes; ++i) sums[i] += row[i];
  }
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = data + static_cast<std::ptrdiff_t>(y) * stride;
    const std::uint8_t* entering = rowAt(y + r + 1);
    const std::uint8_t* leaving = rowAt(y - r);
    for (std::size_t i = 0; i < rowBytes; ++i) {
      out[i] = average(sums[i]);
      sums[i] += std::uint32_t{entering[i]} - leaving[i];
    }
  }
}

void blurBytes(std::uint8_t* data, int width, int height, int stride, int channels, double sigma) {
  const int r = boxHalfWidth(sigma);
  if (width <= 0 || height <= 0 || r <= 0) return;
  for (int pass = 0; pass < kPasses; ++pass) {
    blurRows(data, width, height, stride, channels, r);
    blurColumns(data, width, height, stride, channels, r);
  }
}

bool usable(double radius) { return std::isfinite(radius) && radius > 0; }

}  // namespace

void boxBlurAlpha(std::span<std::uint8_t> plane, int width, int height, int stride, double radius) {
  if (!usable(radius) || width <= 0 || height <= 0 || stride < width ||
      plane.size() < static_cast<std::size_t>(stride) * height) {
    return;
  }
  blurBytes(plane.data(), width, height, stride, 1, radius);
}

void boxBlurARGB(std::span<std::uint32_t> pixels, int width, int height, double radius) {
  if (!usable(radius) || width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) {
    return;
  }
  blurBytes(reinterpret_cast<std::uint8_t*>(pixels.data()), width, height, width * 4, 4, radius);
}

std::vector<std::uint32_t> shrinkARGB(std::span<const std::uint32_t> pixels, int width, int height, int factor) {
  if (factor < 1 || width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) return {};
  const int shrunkWidth = (width + factor - 1) / factor;
  const int shrunkHeight = (height + factor - 1) / factor;
  std::vector<std::uint32_t> shrunk(static_cast<std::size_t>(shrunkWidth) * shrunkHeight);
  for (int sy = 0; sy < shrunkHeight; ++sy) {
    for (int sx = 0; sx < shrunkWidth; ++sx) {
      std::uint32_t sums[4] = {0, 0, 0, 0};
      std::uint32_t count = 0;
      for (int y = sy * factor; y < std::min(height, (sy + 1) * factor); ++y) {
        for (int x = sx * factor; x < std::min(width, (sx + 1) * factor); ++x) {
          const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
          for (int c = 0; c < 4; ++c) sums[c] += (pixel >> (8 * c)) & 0xFF;
          ++count;
        }
      }
      std::uint32_t average = 0;
      for (int c = 0; c < 4; ++c) average |= ((sums[c] + count / 2) / count) << (8 * c);
      shrunk[static_cast<std::size_t>(sy) * shrunkWidth + sx] = average;
    }
  }
  return shrunk;
}

}  // namespace platform::ui
