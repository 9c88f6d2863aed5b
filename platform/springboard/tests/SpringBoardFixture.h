#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/springboard/SpringBoardProcess.h"
#include "platform/springboard/device/DeviceState.h"
#include "testing/TemporaryDeviceRoot.h"

namespace platform::springboard::testing {

// A device with a few apps, on the manual clock at 2026-12-09 08:59:50 UTC, in UTC.
DeviceState sampleDevice();

class SpringBoardFixture : public ::testing::Test {
 protected:
  SpringBoardFixture();
  ~SpringBoardFixture() override;

  // Makes (and by default launches) the process with `state`.
  SpringBoardProcess& start(DeviceState state = sampleDevice(), bool launch = true);

  static constexpr foundation::TimeStamp kStart = 1796806790;  // 2026-12-09T08:59:50Z

  vantile::testing::TemporaryDeviceRoot root;
  std::unique_ptr<SpringBoardProcess> process;
};

}  // namespace platform::springboard::testing
