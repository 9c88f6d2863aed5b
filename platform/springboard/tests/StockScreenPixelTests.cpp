#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/graphics/FontRegistry.h"
#include "platform/springboard/device/DeviceStateReader.h"
#include "platform/springboard/tests/SpringBoardFixture.h"
#include "platform/ui/render/Renderer.h"
#include "testing/ReferenceImage.h"

namespace platform::springboard {
namespace {

class StockScreenPixelTest : public testing::SpringBoardFixture {
 protected:
  // The example device: its device.json, wallpapers, icons and artwork.
  SpringBoardProcess& startExampleDevice() {
    const std::filesystem::path source = std::filesystem::path(std::getenv("VANTILE_SOURCE_DIR")) / "examples/device";
    foundation::setDeviceRoot(source);
    DeviceState state = readDeviceStateFile(source / "device.json").state;
    state.timeZone = "UTC";
    return start(state);
  }
};

TEST_F(StockScreenPixelTest, LockScreenShowsTheExampleDevice) {
  auto& springBoard = startExampleDevice();
  EXPECT_TRUE(vantile::testing::matchesReference(ui::snapshot(*springBoard.lockScreenWindow(), 1),
                                                 "platform/springboard/tests/reference", "stock-lock-screen"));
}

TEST_F(StockScreenPixelTest, HomeScreenShowsTheExampleDevice) {
  auto& springBoard = startExampleDevice();
  springBoard.unlock();
  EXPECT_TRUE(vantile::testing::matchesReference(ui::snapshot(*springBoard.homeScreenWindow(), 1),
                                                 "platform/springboard/tests/reference", "stock-home-screen"));
}

}  // namespace
}  // namespace platform::springboard
