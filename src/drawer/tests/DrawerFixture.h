#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drawer/AppDrawerViewController.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/Screen.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// An unlocked SpringBoard on a 375 × 667 screen without safe-area insets, on the manual clock,
// in a fresh device folder; the drawer is laid over the home screen's window as a host would.
class DrawerFixture : public ::testing::Test {
 protected:
  DrawerFixture();
  ~DrawerFixture() override;

  // Phone, Messages (badge "3"), Mail, Maps, Notes (badge "0"), Settings (system); Hidden (hidden).
  static std::vector<platform::springboard::AppState> sampleApps();

  void start(std::vector<platform::springboard::AppState> apps = sampleApps(),
             platform::graphics::Size screen = {375, 667});
  // A drawer over the home window, its icons popped in.
  std::shared_ptr<AppDrawerViewController> openDrawer();
  // Lets the queued icon loads and animations run.
  static void settle(double seconds = 0.3);

  void store(const std::string& key, const platform::Value& value) const { defaults().setObject(key, value); }
  static platform::foundation::UserDefaults defaults() { return platform::foundation::UserDefaults::standard(); }

  const std::shared_ptr<platform::ui::Window>& window() const { return process->homeScreenWindow(); }
  platform::ui::TouchInjector& touches();

  // The bundle identifiers of the grid's cells, page by page in subview order.
  static std::vector<std::string> gridApps(const AppDrawerViewController& drawer);

  TemporaryDeviceRoot root;
  std::unique_ptr<platform::springboard::SpringBoardProcess> process;
  std::vector<std::string> chosen;

 private:
  std::unique_ptr<platform::ui::TouchInjector> touches_;
};

}  // namespace vantile::testing
