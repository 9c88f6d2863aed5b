#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/objc/MessageHook.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/tests/ClassFixture.h"

namespace platform::objc {
namespace {

using ::testing::HasSubstr;
using testing::systemLogOf;

// Replacements as the tweak writes them: free functions calling their own slot.
Slot<std::string(std::string)> firstSlot;
Slot<std::string(std::string)> secondSlot;

std::string firstReplacement(Object& self, std::string trail) { return firstSlot(self, trail + "first>"); }
std::string secondReplacement(Object& self, std::string trail) { return secondSlot(self, trail + "second>"); }

class MessageHookTest : public testing::ClassFixture {
 protected:
  void SetUp() override {
    firstSlot = {};
    secondSlot = {};
    addMethod<std::string(std::string)>(view, "trail:",
                                        [](Object&, std::string trail) { return trail + "stock"; });
  }

  std::string trailOf(Object& object) { return send<std::string(std::string)>(object, "trail:", std::string()); }

  Class& view = declare("TestView");
  Class& listView = declare("TestListView", "TestView");
};

TEST_F(MessageHookTest, ReplacedTwiceRunsNewestThenOlderThenStock) {
  ASSERT_TRUE(MSHookMessageEx(view, "trail:", &firstReplacement, &firstSlot));
  ASSERT_TRUE(MSHookMessageEx(view, "trail:", &secondReplacement, &secondSlot));
  Object object(&view);
  EXPECT_EQ(trailOf(object), "second>first>stock");
  EXPECT_TRUE(firstSlot);
  EXPECT_TRUE(secondSlot);
}

TEST_F(MessageHookTest, ReplacingAnInheritedOperationOnASubclassReachesTheSuperclassThroughTheSlot) {
  ASSERT_TRUE(MSHookMessageEx(listView, "trail:", &firstReplacement, &firstSlot));
  Object list(&listView);
  Object plain(&view);
  EXPECT_EQ(trailOf(list), "first>stock");
  // The superclass keeps its own implementation.
  EXPECT_EQ(trailOf(plain), "stock");
}

TEST_F(MessageHookTest, ClassOperationIsReplacedOnTheMetaclass) {
  addClassMethod<double()>(view, "defaultHeight", [](Object&) { return 96.0; });
  static Slot<double()> kept;
  ASSERT_TRUE(MSHookMessageEx(metaclass(view), "defaultHeight", [](Object& self) { return kept(self) / 2; }, &kept));
  EXPECT_EQ(send<double()>(listView, "defaultHeight"), 48.0);
  // The instances never had it.
  Object object(&view);
  EXPECT_FALSE(respondsToSelector(object, "defaultHeight"));
}

TEST_F(MessageHookTest, ReplacementWithAnotherSignatureIsRefusedAndLeavesTheStockOne) {
  Slot<int(std::string)> slot;
  const std::string log = systemLogOf([&] {
    EXPECT_FALSE(MSHookMessageEx(view, "trail:", [](Object&, std::string) { return 1; }, &slot));
  });
  EXPECT_THAT(log, HasSubstr("cannot replace -[TestView trail:]"));
  EXPECT_FALSE(slot);
  Object object(&view);
  EXPECT_EQ(trailOf(object), "stock");
}

TEST_F(MessageHookTest, ReplacementWhoseArgumentCountIsNotTheSelectorsIsRefused) {
  Slot<void()> slot;
  const std::string log = systemLogOf([&] { EXPECT_FALSE(MSHookMessageEx(view, "setHidden:", [](Object&) {}, &slot)); });
  EXPECT_THAT(log, HasSubstr("argument count"));
  EXPECT_FALSE(instancesRespondToSelector(view, "setHidden:"));
}

TEST_F(MessageHookTest, ReplacingAnOperationTheChainLacksAddsItWithAnEmptySlot) {
  Slot<int()> slot;
  int calls = 0;
  std::string log = systemLogOf([&] {
    EXPECT_TRUE(MSHookMessageEx(view, "badgeCount", [&](Object& self) { return ++calls + slot(self); }, &slot));
  });
  EXPECT_THAT(log, HasSubstr("-[TestView badgeCount] was not implemented; the replacement adds it"));
  EXPECT_FALSE(slot);
  Object object(&listView);
  // The empty slot answers a default (logged), it does not fail.
  log = systemLogOf([&] { EXPECT_EQ(send<int()>(object, "badgeCount"), 1); });
  EXPECT_THAT(log, HasSubstr("no kept implementation of -[TestListView badgeCount]"));
}

TEST_F(MessageHookTest, AbsentClassLeavesTheOperationUnreplaced) {
  const std::string log = systemLogOf(
      [&] { EXPECT_FALSE(MSHookMessageEx(getClass("TestAbsent"), "trail:", &firstReplacement, &firstSlot)); });
  EXPECT_EQ(log, "");
  EXPECT_FALSE(firstSlot);
}

TEST_F(MessageHookTest, NeverFilledSlotIsALoggedNoOp) {
  Slot<std::string(std::string)> slot;
  Object object(&view);
  const std::string log = systemLogOf([&] { EXPECT_EQ(slot(object, "x"), ""); });
  EXPECT_THAT(log, HasSubstr("no kept implementation"));
}

}  // namespace
}  // namespace platform::objc
