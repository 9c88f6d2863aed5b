#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/SharedObject.h"
#include "platform/objc/tests/ClassFixture.h"

namespace platform::objc {
namespace {

using ::testing::HasSubstr;
using testing::systemLogOf;

struct AlarmManager : SharedObject {
  AlarmManager() : SharedObject("TestAlarmManager") {}
  std::string nextAlarm = "07:30";
};

struct AlarmObserver : SharedObject {
  AlarmObserver() : SharedObject("TestAlarmObserver") {}
  std::shared_ptr<AlarmManager> alarmManager = std::make_shared<AlarmManager>();
};

class KeyValueReadingTest : public testing::ClassFixture {
 protected:
  void SetUp() override {
    addProperty(manager, "nextAlarm", [](Object& self) { return dynamic_cast<AlarmManager&>(self).nextAlarm; });
    addInstanceVariable(observer, "_alarmManager", [](Object& self) {
      return std::static_pointer_cast<Object>(dynamic_cast<AlarmObserver&>(self).alarmManager);
    });
    addProperty(observer, "isEnabled", [](Object&) { return true; });
  }

  Class& manager = declare("TestAlarmManager");
  Class& observer = declare("TestAlarmObserver");
  Class& scheduledObserver = declare("TestScheduledAlarmObserver", "TestAlarmObserver");
};

TEST_F(KeyValueReadingTest, ReadsFollowTheClassChainAndKeepTheGettersType) {
  AlarmObserver object;
  object.setIsa(scheduledObserver);
  const std::optional<std::shared_ptr<Object>> alarmManager = ivar<std::shared_ptr<Object>>(object, "_alarmManager");
  ASSERT_TRUE(alarmManager.has_value());
  EXPECT_EQ(valueForKey<std::string>(**alarmManager, "nextAlarm"), "07:30");
  EXPECT_EQ(valueForKey<bool>(object, "isEnabled"), true);
  const std::optional<std::any> untyped = valueForKey(object, "isEnabled");
  ASSERT_TRUE(untyped.has_value());
  EXPECT_EQ(std::any_cast<bool>(*untyped), true);
}

TEST_F(KeyValueReadingTest, AbsentKeysAnswerNothingWithoutALogLine) {
  AlarmObserver object;
  Object classless(nullptr);
  const std::string log = systemLogOf([&] {
    // Properties and instance variables are apart: one is not read as the other.
    EXPECT_EQ(valueForKey(object, "_alarmManager"), std::nullopt);
    EXPECT_EQ(ivar(object, "isEnabled"), std::nullopt);
    EXPECT_EQ(valueForKey<std::string>(object, "dateLabel"), std::nullopt);
    EXPECT_EQ(ivar<int>(object, "_count"), std::nullopt);
    EXPECT_EQ(valueForKey(classless, "isEnabled"), std::nullopt);
  });
  EXPECT_EQ(log, "");
}

TEST_F(KeyValueReadingTest, ReadOfAnotherTypeGivesNothingAndIsLogged) {
  AlarmObserver object;
  const std::string log = systemLogOf([&] {
    EXPECT_EQ(valueForKey<int>(object, "isEnabled"), std::nullopt);
    EXPECT_EQ(ivar<std::shared_ptr<AlarmManager>>(object, "_alarmManager"), std::nullopt);
  });
  EXPECT_THAT(log, HasSubstr("\"isEnabled\" of TestAlarmObserver is bool, read as int"));
  EXPECT_THAT(log, HasSubstr("\"_alarmManager\" of TestAlarmObserver is std::shared_ptr<platform::objc::Object>"));
}

TEST_F(KeyValueReadingTest, ClassReadsEachKeyOnceButASubclassMayShadowIt) {
  const std::string log =
      systemLogOf([&] { EXPECT_FALSE(addProperty(observer, "isEnabled", [](Object&) { return false; })); });
  EXPECT_THAT(log, HasSubstr("TestAlarmObserver already reads \"isEnabled\""));
  EXPECT_TRUE(addProperty(scheduledObserver, "isEnabled", [](Object&) { return false; }));
  AlarmObserver plain;
  AlarmObserver scheduled;
  scheduled.setIsa(scheduledObserver);
  EXPECT_EQ(valueForKey<bool>(plain, "isEnabled"), true);
  EXPECT_EQ(valueForKey<bool>(scheduled, "isEnabled"), false);
}

}  // namespace
}  // namespace platform::objc
