#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceState.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// SpringBoard's stand-in launched on a device, on the manual clock, in UTC with en_US, and
// the providers' shared state as at start-up.
class ProviderFixture : public ::testing::Test {
 protected:
  // 2026-12-09T08:30:00Z, a Wednesday.
  static constexpr platform::foundation::TimeStamp kStart = 1796805000;

  ProviderFixture();
  ~ProviderFixture() override;

  void start(platform::springboard::DeviceState state = {});
  // Changes one device value, as a scenario's "device" event does.
  void set(const std::string& path, const platform::Value& value);
  void advance(double seconds);
  // Runs the main queue until `done` holds, waiting for work handed back by workers.
  template <class F>
  void runUntil(F done) {
    for (int round = 0; round < 400 && !done(); ++round) {
      platform::foundation::MainQueue::shared().waitForDueTask(0.01);
      platform::foundation::MainQueue::shared().runPending();
    }
  }
  void useLanguage(const std::string& json);
  // A file under the device root, or nothing.
  std::optional<std::string> read(const std::string& systemPath) const;

  TemporaryDeviceRoot root;
  std::unique_ptr<platform::springboard::SpringBoardProcess> process;
};

}  // namespace vantile::testing
