#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/preferences/PaneRegistry.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace {

// As the settings host does it: loading the library registers its panes; nothing else is exported.
TEST(SettingsLibrary, LoadingItRegistersTheBundlesPanesAndExportsOnlyItsEntryPoint) {
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  auto& registry = platform::preferences::PaneRegistry::shared();
  ASSERT_FALSE(registry.hasPane("VTPRootListController"));

  // Kept loaded, as the Settings app keeps a bundle it opened.
  void* library = dlopen(VANTILE_SETTINGS_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  EXPECT_TRUE(registry.hasPane("VTPRootListController"));
  EXPECT_TRUE(registry.hasPane("CreateTheme"));
  EXPECT_NE(dlsym(library, "registerVantilePanes"), nullptr);
  EXPECT_EQ(dlsym(library, "_ZN7vantile8settings13registerPanesEv"), nullptr);
  EXPECT_EQ(dlsym(library, "_ZN7vantile11CreatorView14sharedInstanceEv"), nullptr);
}

}  // namespace
