#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/DarwinNotificationCenter.h"
#include "platform/foundation/MainQueue.h"

namespace platform::foundation {
namespace {

class DarwinNotifications : public ::testing::Test {
 protected:
  void SetUp() override { MainQueue::shared().clear(); }
  void TearDown() override { MainQueue::shared().clear(); }
  DarwinNotificationCenter& center = DarwinNotificationCenter::shared();
};

TEST_F(DarwinNotifications, ReachObserversOfTheNameOnTheMainQueueOnly) {
  std::vector<std::string> received;
  const auto changed = center.addObserver("com.kestrune.vantile/lsChanged",
                                          [&](const std::string& name) { received.push_back("a:" + name); });
  const auto other = center.addObserver("com.kestrune.vantile/sbChanged",
                                        [&](const std::string& name) { received.push_back("b:" + name); });
  const auto second =
      center.addObserver("com.kestrune.vantile/lsChanged", [&](const std::string&) { received.push_back("c"); });

  center.post("com.kestrune.vantile/lsChanged");
  EXPECT_TRUE(received.empty()) << "delivery waits for the main queue";
  MainQueue::shared().runPending();
  EXPECT_EQ(received, (std::vector<std::string>{"a:com.kestrune.vantile/lsChanged", "c"}));
}

TEST_F(DarwinNotifications, StopWhenTheObservationIsDroppedEvenIfAlreadyPosted) {
  int count = 0;
  auto observation =
      center.addObserver("com.kestrune.vantile/preferences.changed", [&](const std::string&) { ++count; });
  center.post("com.kestrune.vantile/preferences.changed");
  observation.reset();
  center.post("com.kestrune.vantile/preferences.changed");
  MainQueue::shared().runPending();
  EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace platform::foundation
