#include <gtest/gtest.h>

#include "drawer/tests/DrawerFixture.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/Window.h"
#include "testing/ReferenceImage.h"

namespace vantile::testing {
namespace {

// A plain square picture of one colour, as an app's icon file.
std::string iconFile(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  std::vector<std::uint8_t> rgba;
  for (int pixel = 0; pixel < 60 * 60; ++pixel) rgba.insert(rgba.end(), {red, green, blue, 255});
  return *platform::graphics::encodePNG(*platform::graphics::Image::fromRGBA(60, 60, rgba));
}

class DrawerPixels : public DrawerFixture {};

TEST_F(DrawerPixels, TheOpenGridShowsIconsNamesAndABadge) {
  root.writeFile("/icons/green.png", iconFile(52, 199, 89));
  root.writeFile("/icons/blue.png", iconFile(10, 132, 255));
  root.writeFile("/icons/orange.png", iconFile(255, 149, 0));
  start({{"com.apple.MobileSMS", "Messages", "3", "/icons/green.png", false, false, false},
         {"com.apple.mobilemail", "Mail", std::nullopt, "/icons/blue.png", false, false, false},
         {"com.apple.Maps", "Maps", std::nullopt, "/icons/orange.png", false, false, false}});
  auto drawer = openDrawer();
  drawer->segmentedControl->setSelectedSegmentIndex(2);
  drawer->segmentSelected(*drawer->segmentedControl);
  settle();
  EXPECT_TRUE(matchesReference(platform::ui::snapshot(*window(), 1.0), "src/drawer/tests/reference", "open-drawer-grid"));
}

}  // namespace
}  // namespace vantile::testing
