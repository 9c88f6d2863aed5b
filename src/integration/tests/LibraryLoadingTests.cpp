#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/homescreen/SBHomeScreenView.h"
#include "platform/springboard/lockscreen/CSCoverSheetViewController.h"
#include "platform/springboard/lockscreen/CSMainPageView.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "testing/TemporaryDeviceRoot.h"

namespace {

namespace springboard = platform::springboard;

// As the host does it: device root, bundle identifier and SpringBoard's classes first, then the
// library (whose initializers install the replacements), then the launch.
TEST(LibraryLoadingTest, TheLoadedLibraryAttachesBothThemesToTheStandInAndExportsOnlyItsEntryPoints) {
  vantile::testing::TemporaryDeviceRoot root;
  platform::foundation::MainQueue::shared().useManualClock(1796806790);
  ASSERT_TRUE(platform::foundation::PreferenceDomain("com.kestrune.vantile").write({{"enabled", true}, {"enabled_sb", true}}));
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
  springboard::DeviceState device;
  device.timeZone = "UTC";
  auto process = std::make_unique<springboard::SpringBoardProcess>(device);

  // Kept loaded: its replacements stay installed for the process.
  void* library = dlopen(VANTILE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  EXPECT_NE(dlsym(library, "installTweak"), nullptr);
  EXPECT_NE(dlsym(library, "readSystemVersion"), nullptr);
  EXPECT_EQ(dlsym(library, "_ZN7vantile17VantileController14sharedInstanceEv"), nullptr);

  process->launch();
  const auto page = process->coverSheetViewController()->mainPageView();
  ASSERT_NE(page->viewWithTag(8945), nullptr);
  EXPECT_EQ(page->subviews().front()->tag(), 8945);
  ASSERT_NE(process->homeScreenView(), nullptr);
  EXPECT_EQ(process->homeScreenView()->subviews().back()->tag(), 8955);

  process.reset();
  springboard::removeSpringBoardClasses();
  platform::foundation::useHostTimeZone();
  platform::foundation::MainQueue::shared().clear();
  platform::foundation::Bundle::main().setBundleIdentifier("");
}

}  // namespace
