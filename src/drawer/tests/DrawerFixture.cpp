#include "drawer/tests/DrawerFixture.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"

namespace vantile::testing {

namespace {
constexpr platform::foundation::TimeStamp kStart = 1796806790;  // 2026-12-09T08:59:50Z
}

DrawerFixture::DrawerFixture() {
  platform::foundation::MainQueue::shared().useManualClock(kStart);
  platform::foundation::Bundle::main().setBundleIdentifier("com.apple.springboard");
}

DrawerFixture::~DrawerFixture() {
  touches_.reset();
  process.reset();
  platform::springboard::removeSpringBoardClasses();
  platform::foundation::useHostTimeZone();
  platform::foundation::MainQueue::shared().clear();
  platform::foundation::MainQueue::shared().useRealClock();
  platform::foundation::Bundle::main().setBundleIdentifier("");
  platform::ui::Screen::mainScreen().setBounds({0, 0, 375, 812});
}

std::vector<platform::springboard::AppState> DrawerFixture::sampleApps() {
  return {
      {"com.apple.mobilephone", "Phone", std::nullopt, "", false, false, false},
      {"com.apple.MobileSMS", "Messages", "3", "", false, false, false},
      {"com.apple.mobilemail", "Mail", std::nullopt, "", false, false, false},
      {"com.apple.Maps", "Maps", std::nullopt, "", false, false, false},
      {"com.apple.mobilenotes", "Notes", "0", "", false, false, false},
      {"com.apple.Preferences", "Settings", std::nullopt, "", true, false, false},
      {"com.example.hidden", "Hidden", std::nullopt, "", false, false, true},
  };
}

void DrawerFixture::start(std::vector<platform::springboard::AppState> apps, platform::graphics::Size screen) {
  platform::ui::Screen::mainScreen().setBounds({0, 0, screen.width, screen.height});
  platform::springboard::DeviceState state;
  state.timeZone = "UTC";
  state.locked = false;
  state.apps = std::move(apps);
  process = std::make_unique<platform::springboard::SpringBoardProcess>(std::move(state));
  process->launch();
  settle(1);
}

std::shared_ptr<AppDrawerViewController> DrawerFixture::openDrawer() {
  auto drawer = AppDrawerViewController::make(window()->bounds());
  window()->addSubview(drawer);
  drawer->completionBlock = [this](const std::string& bundle) { chosen.push_back(bundle); };
  settle();
  return drawer;
}

void DrawerFixture::settle(double seconds) { platform::foundation::MainQueue::shared().advance(seconds); }

platform::ui::TouchInjector& DrawerFixture::touches() {
  if (!touches_) touches_ = std::make_unique<platform::ui::TouchInjector>(window());
  return *touches_;
}

std::vector<std::string> DrawerFixture::gridApps(const AppDrawerViewController& drawer) {
  std::vector<std::string> apps;
  for (const auto& page : drawer.scrollView->subviews()) {
    for (const auto& cell : page->subviews()) apps.push_back(cell->layer()->name().value_or(""));
  }
  return apps;
}

}  // namespace vantile::testing
