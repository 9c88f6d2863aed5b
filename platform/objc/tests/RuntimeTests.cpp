#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <any>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/MessageHook.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/tests/ClassFixture.h"

namespace platform::objc {
namespace {

using ::testing::HasSubstr;
using testing::systemLogOf;

class RuntimeTest : public testing::ClassFixture {};

TEST_F(RuntimeTest, RegisteringANameAgainGivesTheClassAlreadyThere) {
  Class& view = declare("TestView");
  Class& remote = declare("TestRemoteView", "TestView");
  EXPECT_EQ(registerClass("TestView"), &view);
  EXPECT_EQ(registerClass("TestRemoteView", "TestView"), &remote);
  EXPECT_EQ(getClass("TestRemoteView"), &remote);
  EXPECT_EQ(remote.superclass(), &view);
  EXPECT_EQ(view.superclass(), nullptr);
}

TEST_F(RuntimeTest, RegistrationThatCannotHoldIsRefused) {
  declare("TestView");
  declare("TestOther");
  const struct {
    const char* name;
    const char* superclassName;
    const char* logged;
  } cases[] = {
      {"TestOrphan", "TestAbsent", "no superclass TestAbsent"},
      {"TestView", "TestOther", "already registered with another superclass"},
      {"", "", "cannot register"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const std::string log = systemLogOf([&] { EXPECT_EQ(registerClass(test.name, test.superclassName), nullptr); });
    EXPECT_THAT(log, HasSubstr(test.logged));
  }
  EXPECT_EQ(getClass("TestOrphan"), nullptr);
  EXPECT_EQ(getClass("TestView")->superclass(), nullptr);
}

TEST_F(RuntimeTest, RemovedClassIsUnknownByNameButLivesOnForItsObjects) {
  Class& view = declare("TestView");
  addMethod<int()>(view, "tag", [](Object&) { return 7; });
  Object object(&view);
  removeClass("TestView");
  EXPECT_EQ(getClass("TestView"), nullptr);
  EXPECT_FALSE(isKindOfClass(object, "TestView"));
  EXPECT_EQ(send<int()>(object, "tag"), 7);
  // The name can be declared afresh, as a new class.
  Class& again = declare("TestView");
  EXPECT_NE(&again, &view);
  EXPECT_FALSE(instancesRespondToSelector(again, "tag"));
}

TEST_F(RuntimeTest, AddMethodRefusesWhatTheClassItselfHasButNotWhatItInherits) {
  Class& view = declare("TestView");
  Class& list = declare("TestListView", "TestView");
  EXPECT_TRUE(addMethod<int()>(view, "tag", [](Object&) { return 1; }));
  EXPECT_FALSE(addMethod<int()>(view, "tag", [](Object&) { return 2; }));
  EXPECT_TRUE(addMethod<int()>(list, "tag", [](Object&) { return 3; }));
  Object viewObject(&view);
  Object listObject(&list);
  EXPECT_EQ(send<int()>(viewObject, "tag"), 1);
  EXPECT_EQ(send<int()>(listObject, "tag"), 3);

  const std::string log = systemLogOf([&] {
    EXPECT_FALSE(addMethod<void(int)>(view, "setTag", [](Object&, int) {}));
    EXPECT_FALSE(addMethod(view, "layoutSubviews", Implementation()));
  });
  EXPECT_THAT(log, HasSubstr("-[TestView setTag] as void (int): the argument count differs"));
  EXPECT_THAT(log, HasSubstr("-[TestView layoutSubviews]: no implementation"));
}

TEST_F(RuntimeTest, ClassPairIsInvisibleByNameUntilRegistered) {
  Class& remoteController = declare("TestRemoteViewController");
  Class* made = allocateClassPair(&remoteController, "TestRemoteRootViewController");
  forgetAfterwards("TestRemoteRootViewController");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(getClass("TestRemoteRootViewController"), nullptr);
  EXPECT_EQ(made->superclass(), &remoteController);

  EXPECT_TRUE(addClassMethod<std::string(std::string)>(
      *made, "requestViewControllerWithConnectionHandler:",
      [](Object& self, std::string handler) { return static_cast<Class&>(self).name() + " " + handler; }, "@@:@?"));
  EXPECT_TRUE(registerClassPair(*made));
  EXPECT_EQ(getClass("TestRemoteRootViewController"), made);
  EXPECT_EQ(send<std::string(std::string)>(getClass("TestRemoteRootViewController"),
                                           "requestViewControllerWithConnectionHandler:", "handler"),
            "TestRemoteRootViewController handler");
  EXPECT_EQ(methodTypeEncoding(metaclass(*made), "requestViewControllerWithConnectionHandler:"), "@@:@?");
  EXPECT_EQ(methodTypeEncoding(metaclass(*made), "exportedInterface"), std::nullopt);
  Object instance(made);
  EXPECT_TRUE(isKindOfClass(instance, "TestRemoteViewController"));
}

TEST_F(RuntimeTest, ClassPairWithATakenNameOrRegisteredTwiceIsRefused) {
  declare("TestView");
  Class* pending = allocateClassPair(nullptr, "TestPending");
  forgetAfterwards("TestPending");
  ASSERT_NE(pending, nullptr);
  const std::string log = systemLogOf([&] {
    EXPECT_EQ(allocateClassPair(nullptr, "TestView"), nullptr);
    EXPECT_EQ(allocateClassPair(nullptr, "TestPending"), nullptr);
    EXPECT_EQ(allocateClassPair(nullptr, ""), nullptr);
    // A name waiting for its pair cannot be declared either.
    EXPECT_EQ(registerClass("TestPending"), nullptr);
    EXPECT_TRUE(registerClassPair(*pending));
    EXPECT_FALSE(registerClassPair(*pending));
    EXPECT_FALSE(registerClassPair(*getClass("TestView")));
  });
  EXPECT_THAT(log, HasSubstr("the name is taken"));
  EXPECT_THAT(log, HasSubstr("TestPending is not a class waiting for registration"));
}

TEST_F(RuntimeTest, ObjectCanMoveToASubclassMadeAtRunTime) {
  Class& controller = declare("TestController");
  addMethod<bool()>(controller, "_shouldUseXPCObjects", [](Object&) { return true; });
  Class* subclass = allocateClassPair(&controller, "TestSubController");
  forgetAfterwards("TestSubController");
  addMethod<bool()>(*subclass, "_shouldUseXPCObjects", [](Object&) { return false; });
  registerClassPair(*subclass);
  Object object(&controller);
  object.setIsa(*subclass);
  EXPECT_FALSE(send<bool()>(object, "_shouldUseXPCObjects"));
  EXPECT_TRUE(isKindOfClass(object, &controller));
}

TEST_F(RuntimeTest, AbsentClassNameMakesEveryLookupGiveNothing) {
  Class* absent = getClass("TestAbsent");
  EXPECT_EQ(absent, nullptr);
  Slot<void()> slot;
  const std::string log = systemLogOf([&] {
    EXPECT_EQ(send<int()>(absent, "sharedInstance"), 0);
    EXPECT_EQ(trySend<int()>(absent, "sharedInstance"), std::nullopt);
    EXPECT_FALSE(respondsToSelector(absent, "sharedInstance"));
    EXPECT_FALSE(MSHookMessageEx(absent, "layoutSubviews", [](Object&) {}, &slot));
  });
  EXPECT_EQ(log, "");
  Class& view = declare("TestView");
  Object object(&view);
  EXPECT_FALSE(isKindOfClass(object, "TestAbsent"));
  EXPECT_FALSE(isKindOfClass(object, absent));
  EXPECT_EQ(valueForKey(object, "TestAbsent"), std::nullopt);
}

TEST_F(RuntimeTest, ImplementationMaySendAndAddMethodsWhileItRuns) {
  Class& view = declare("TestView");
  addMethod<int()>(view, "base", [](Object&) { return 40; });
  addMethod<int()>(view, "layout", [&view](Object& self) {
    addMethod<int()>(view, "extra", [](Object&) { return 2; });
    return send<int()>(self, "base") + send<int()>(self, "extra");
  });
  Object object(&view);
  EXPECT_EQ(send<int()>(object, "layout"), 42);
}

TEST_F(RuntimeTest, ReplacementsFromManyThreadsAllStayInTheChain) {
  Class& view = declare("TestView");
  addMethod<int()>(view, "depth", [](Object&) { return 0; });
  constexpr int kThreads = 8;
  std::vector<Slot<int()>> slots(kThreads);
  std::vector<std::thread> threads;
  for (int index = 0; index < kThreads; ++index) {
    threads.emplace_back([&view, &slots, index] {
      Slot<int()>& slot = slots[static_cast<std::size_t>(index)];
      MSHookMessageEx(view, "depth", [&slot](Object& self) { return slot(self) + 1; }, &slot);
    });
  }
  for (std::thread& thread : threads) thread.join();
  Object object(&view);
  EXPECT_EQ(send<int()>(object, "depth"), kThreads);
}

}  // namespace
}  // namespace platform::objc
