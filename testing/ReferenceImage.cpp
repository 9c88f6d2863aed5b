#include "testing/ReferenceImage.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/graphics/ImageCodec.h"

namespace vantile::testing {

namespace fs = std::filesystem;
namespace graphics = platform::graphics;
using graphics::Image;

namespace {

fs::path sourceFolder() {
  if (const char* source = std::getenv("VANTILE_SOURCE_DIR")) return source;
  return fs::path(__FILE__).parent_path().parent_path();
}

// Beside the test executable, so failures land in the build tree wherever the tests run from.
fs::path failureFolder() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return (error ? fs::current_path() : executable.parent_path()) / "pixel-failures";
}

bool writePNG(const Image& image, const fs::path& file) {
  const std::optional<std::string> png = graphics::encodePNG(image);
  if (!png) return false;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << *png;
  return static_cast<bool>(out);
}

// Red where channels differ by more than the tolerance, a faint copy of the actual image elsewhere.
Image differenceImage(const Image& actual, const Image& expected, int tolerance, int& differing) {
  const std::vector<std::uint8_t> a = actual.unpremultipliedRGBA();
  const std::vector<std::uint8_t> e = expected.unpremultipliedRGBA();
  std::vector<std::uint8_t> difference(a.size());
  differing = 0;
  for (std::size_t pixel = 0; pixel < a.size(); pixel += 4) {
    bool differs = false;
    for (int c = 0; c < 4; ++c) differs |= std::abs(int(a[pixel + c]) - int(e[pixel + c])) > tolerance;
    differing += differs;
    const std::uint8_t faint = static_cast<std::uint8_t>((a[pixel] + a[pixel + 1] + a[pixel + 2]) / 12);
    difference[pixel] = differs ? 255 : faint;
    difference[pixel + 1] = differs ? 0 : faint;
    difference[pixel + 2] = differs ? 0 : faint;
    difference[pixel + 3] = 255;
  }
  return *Image::fromRGBA(actual.width(), actual.height(), difference);
}

}  // namespace

::testing::AssertionResult matchesReference(const std::optional<Image>& actual, std::string_view referenceFolder,
                                            const std::string& name, int tolerance) {
  if (!actual) return ::testing::AssertionFailure() << "nothing was rendered for " << name;
  const fs::path reference = sourceFolder() / referenceFolder / (name + ".png");
  const char* update = std::getenv("VANTILE_UPDATE_REFERENCES");
  if (update != nullptr && std::string(update) == "1") {
    if (!writePNG(*actual, reference)) return ::testing::AssertionFailure() << "could not write " << reference;
    return ::testing::AssertionSuccess() << "wrote " << reference;
  }
  const std::optional<Image> expected = graphics::decodeImageFile(reference);
  if (!expected) {
    return ::testing::AssertionFailure() << "no reference image " << reference
                                         << " (run with VANTILE_UPDATE_REFERENCES=1 to make it, then look at it)";
  }
  const fs::path failures = failureFolder();
  if (expected->width() != actual->width() || expected->height() != actual->height()) {
    writePNG(*actual, failures / (name + "-actual.png"));
    return ::testing::AssertionFailure() << name << ": rendered " << actual->width() << " x " << actual->height()
                                         << ", reference is " << expected->width() << " x " << expected->height();
  }
  int differing = 0;
  const Image difference = differenceImage(*actual, *expected, tolerance, differing);
  if (differing == 0) return ::testing::AssertionSuccess();
  writePNG(*actual, failures / (name + "-actual.png"));
  writePNG(difference, failures / (name + "-difference.png"));
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ by more than " << tolerance
                                       << "; see " << failures;
}

}  // namespace vantile::testing
