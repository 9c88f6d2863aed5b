#include <gtest/gtest.h>

#include <string>

#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/queues/MainQueue.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {
namespace {

using platform::Value;
namespace foundation = platform::foundation;

class HelperFiles : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  std::optional<std::string> logText() const {
    return foundation::readFile(foundation::devicePath("/var/mobile/Media/Downloads/vantile.log"));
  }

  testing::TemporaryDeviceRoot root;
};

TEST_F(HelperFiles, ReadsDictionariesAndArraysKeepingKeyOrder) {
  root.writeFile("/var/mobile/Library/Vantile/themes/a.json", R"({"z": "1", "a": {"b": [1, 2]}})");
  root.writeFile("/var/mobile/list.json", R"([1, "two"])");

  const auto dictionary = VantileHelpers::JSONFromFile("/var/mobile/Library/Vantile/themes/a.json");
  ASSERT_TRUE(dictionary);
  EXPECT_EQ(dictionary->begin().key(), "z");
  EXPECT_EQ((*dictionary)["a"]["b"][1], 2);
  EXPECT_EQ(VantileHelpers::JSONFromFile("var/mobile/list.json"), (Value{1, "two"}));
}

TEST_F(HelperFiles, GivesNothingForMissingBrokenOrFragmentFiles) {
  root.writeFile("/var/mobile/broken.json", R"({"a": )");
  root.writeFile("/var/mobile/fragment.json", "42");
  root.writeFile("/var/mobile/empty.json", "");
  root.writeFile("/var/mobile/latin1.json", "{\"a\": \"caf\xE9\"}");
  root.writeFile("/var/mobile/deep.json", std::string(100000, '[') + std::string(100000, ']'));

  ::testing::internal::CaptureStderr();
  for (const char* path :
       {"/var/mobile/missing.json", "/var/mobile/broken.json", "/var/mobile/fragment.json", "/var/mobile/empty.json",
        "/var/mobile/latin1.json", "/var/mobile/deep.json", "/var/mobile"}) {
    EXPECT_FALSE(VantileHelpers::JSONFromFile(path)) << path;
  }
  ::testing::internal::GetCapturedStderr();
}

TEST_F(HelperFiles, WritesLogEntriesOnTheMainQueueInCallOrder) {
  VantileHelpers::writeToLog("a");
  VantileHelpers::writeToLog("b");
  EXPECT_FALSE(logText()) << "nothing is written before the main queue runs";

  foundation::MainQueue::shared().runPending();
  EXPECT_EQ(logText(), "\nLog:a\nLog:b");
}

TEST_F(HelperFiles, AppendsToAnExistingLogWithoutRewritingIt) {
  root.writeFile("/var/mobile/Media/Downloads/vantile.log", "\nLog:earlier");
  VantileHelpers::writeToLog("later");
  foundation::MainQueue::shared().runPending();
  EXPECT_EQ(logText(), "\nLog:earlier\nLog:later");
}

}  // namespace
}  // namespace vantile
