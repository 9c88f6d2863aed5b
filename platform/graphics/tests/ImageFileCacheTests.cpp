#include "platform/graphics/ImageFileCache.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/graphics/ImageCodec.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

namespace platform::graphics {
namespace {

std::string pngOfColour(std::uint8_t red) {
  const std::array<std::uint8_t, 4> pixel = {red, 0, 0, 255};
  return *encodePNG(*Image::fromRGBA(1, 1, pixel));
}

TEST(ImageFromFile, ReadsAgainOnlyWhenTheFileChanges) {
  vantile::testing::TemporaryDeviceRoot root;
  const auto file = foundation::devicePath("/var/mobile/picture.png");
  root.writeFile("/var/mobile/picture.png", pngOfColour(10));
  ASSERT_EQ(imageFromFile(file)->pixelAt(0, 0)->red, 10);

  root.writeFile("/var/mobile/picture.png", pngOfColour(200));
  std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::seconds(1));
  EXPECT_EQ(imageFromFile(file)->pixelAt(0, 0)->red, 200) << "a rewritten file is decoded again";

  const auto first = imageFromFile(file);
  const auto second = imageFromFile(file);
  EXPECT_EQ(first->pixels().data(), second->pixels().data()) << "an unchanged file shares its decoded pixels";
}

TEST(ImageFromFile, GivesNothingForMissingFoldersAndNonPictures) {
  vantile::testing::TemporaryDeviceRoot root;
  root.writeFile("/var/mobile/text.png", "hello");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(imageFromFile(foundation::devicePath("/var/mobile/missing.png")));
  EXPECT_FALSE(imageFromFile(foundation::devicePath("/var/mobile")));
  EXPECT_FALSE(imageFromFile(foundation::devicePath("/var/mobile/text.png")));
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace platform::graphics
