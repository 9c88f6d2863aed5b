#include "platform/springboard/tests/SpringBoardFixture.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"

namespace platform::springboard::testing {

DeviceState sampleDevice() {
  DeviceState state;
  state.timeZone = "UTC";
  state.apps = {
      {"com.apple.mobilephone", "Phone", std::nullopt, "", true, false, false},
      {"com.apple.MobileSMS", "Messages", "3", "", true, false, false},
      {"com.apple.mobilemail", "Mail", "12", "", true, false, false},
      {"com.apple.mobilesafari", "Safari", std::nullopt, "", true, false, false},
      {"com.apple.camera", "Camera", std::nullopt, "", true, false, false},
      {"com.apple.Music", "Music", std::nullopt, "", true, false, false},
      {"com.example.hidden", "Hidden", std::nullopt, "", false, false, true},
  };
  state.dock = {"com.apple.mobilephone", "com.apple.mobilesafari"};
  return state;
}

SpringBoardFixture::SpringBoardFixture() { foundation::MainQueue::shared().useManualClock(kStart); }

SpringBoardFixture::~SpringBoardFixture() {
  process.reset();
  removeSpringBoardClasses();
  foundation::useHostTimeZone();
  foundation::MainQueue::shared().clear();
  foundation::MainQueue::shared().useRealClock();
}

SpringBoardProcess& SpringBoardFixture::start(DeviceState state, bool launch) {
  process.reset();
  process = std::make_unique<SpringBoardProcess>(std::move(state));
  if (launch) process->launch();
  return *process;
}

}  // namespace platform::springboard::testing
