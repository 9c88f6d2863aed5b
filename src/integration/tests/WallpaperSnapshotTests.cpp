#include <gtest/gtest.h>

#include <filesystem>

#include "integration/HookTable.h"
#include "integration/TweakStartup.h"
#include "integration/tests/TweakTestSupport.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/objc/Messaging.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/ui/views/Screen.h"

namespace vantile::integration {
namespace {

namespace objc = platform::objc;
namespace foundation = platform::foundation;
using foundation::MainQueue;
using platform::graphics::Image;

constexpr const char* kLockWall = "/var/mobile/Library/VantileAssets/lockwall.png";
constexpr const char* kHomeWall = "/var/mobile/Library/VantileAssets/homewall.png";

std::optional<Image> written(const char* file) { return platform::graphics::decodeImageFile(foundation::devicePath(file)); }

class WallpaperSnapshotTest : public testing::TweakTest {
 protected:
  // A static wallpaper view whose snapshots are n pixels wide at the n-th look.
  void declareWallpaperView(bool withSnapshots) {
    declareWithStock<sig::DisplaysWallpaper>("SBFStaticWallpaperView",
                                             "isDisplayingWallpaperWithConfiguration:forVariant:");
    if (withSnapshots) {
      objc::addMethod<sig::ImageGetter>(*objc::getClass("SBFStaticWallpaperView"), "snapshotImage",
                                        [this](objc::Object&) { return Image::blank(++looks, 1); });
    }
    installRows(themeGroupRows());
  }
  bool check(objc::Object& view, std::int64_t variant) {
    return objc::send<sig::DisplaysWallpaper>(view, "isDisplayingWallpaperWithConfiguration:forVariant:", nullptr,
                                              variant);
  }
  int looks = 0;
};

TEST_F(WallpaperSnapshotTest, TheVariantChoosesTheFileOneSecondLater) {
  declareWallpaperView(true);
  objc::Object view("SBFStaticWallpaperView");
  check(view, 0);
  MainQueue::shared().advance(0.9);
  EXPECT_FALSE(written(kLockWall));
  MainQueue::shared().advance(0.1);
  ASSERT_TRUE(written(kLockWall));
  EXPECT_FALSE(written(kHomeWall));

  check(view, 1);
  MainQueue::shared().advance(1);
  ASSERT_TRUE(written(kHomeWall));
  EXPECT_EQ(written(kHomeWall)->width(), 2);
  EXPECT_EQ(written(kLockWall)->width(), 1);
}

TEST_F(WallpaperSnapshotTest, AViewWithoutSnapshotsWritesNothingAndAnswersAsSpringBoardDoes) {
  declareWallpaperView(false);
  objc::Object view("SBFStaticWallpaperView");
  EXPECT_FALSE(check(view, 0));
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{"stock isDisplayingWallpaperWithConfiguration:forVariant:"}));
  MainQueue::shared().advance(2);
  EXPECT_FALSE(written(kLockWall));
}

TEST_F(WallpaperSnapshotTest, EveryCheckWritesOnceAndTheLastOneWins) {
  declareWallpaperView(true);
  objc::Object view("SBFStaticWallpaperView");
  for (int look = 0; look < 3; ++look) {
    check(view, 0);
    MainQueue::shared().advance(0.3);
  }
  MainQueue::shared().advance(0.1);
  EXPECT_EQ(written(kLockWall)->width(), 1);
  MainQueue::shared().advance(0.3);
  EXPECT_EQ(written(kLockWall)->width(), 2);
  MainQueue::shared().advance(0.3);
  EXPECT_EQ(written(kLockWall)->width(), 3);
}

// The stand-in looks at its wallpapers at launch: both files appear a second later, through
// the poster controllers from iOS 16 on and the static wallpaper views before.
TEST_F(WallpaperSnapshotTest, BothWallpapersAreWrittenASecondAfterSpringBoardStarts) {
  for (const int ios : {14, 16}) {
    SCOPED_TRACE(ios);
    std::filesystem::remove(foundation::devicePath(kLockWall));
    std::filesystem::remove(foundation::devicePath(kHomeWall));
    writeSettings({{"enabled", true}});
    platform::springboard::DeviceState device;
    device.ios = ios;
    device.timeZone = "UTC";
    auto process = std::make_unique<platform::springboard::SpringBoardProcess>(std::move(device));
    installTweak();
    process->launch();
    MainQueue::shared().advance(1);
    const auto lock = written(kLockWall);
    ASSERT_TRUE(lock);
    ASSERT_TRUE(written(kHomeWall));
    const auto& screen = platform::ui::Screen::mainScreen();
    EXPECT_EQ(lock->width(), static_cast<int>(screen.bounds().width() * screen.scale()));
    process.reset();
    platform::springboard::removeSpringBoardClasses();
    tweakState() = TweakState{};
    MainQueue::shared().clear();
  }
}

}  // namespace
}  // namespace vantile::integration
