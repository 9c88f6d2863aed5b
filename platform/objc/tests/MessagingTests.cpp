#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/objc/tests/ClassFixture.h"

namespace platform::objc {
namespace {

using ::testing::HasSubstr;
using testing::systemLogOf;

class MessagingTest : public testing::ClassFixture {
 protected:
  void SetUp() override {
    addMethod<std::string()>(base, "name", [](Object&) { return std::string("base"); });
    addMethod<int(int, int)>(base, "add:to:", [](Object&, int a, int b) { return a + b; });
    addMethod<std::string()>(derived, "name", [](Object&) { return std::string("derived"); });
  }

  Class& base = declare("TestBase");
  Class& derived = declare("TestDerived", "TestBase");
  Class& unrelated = declare("TestUnrelated");
};

TEST_F(MessagingTest, SendFindsInheritedOperationsAndSubclassOverrides) {
  Object baseObject(&base);
  Object derivedObject("TestDerived");
  EXPECT_EQ(send<std::string()>(baseObject, "name"), "base");
  EXPECT_EQ(send<std::string()>(derivedObject, "name"), "derived");
  EXPECT_EQ(send<int(int, int)>(derivedObject, "add:to:", 2, 3), 5);
  EXPECT_EQ(trySend<int(int, int)>(derivedObject, "add:to:", 2, 3), std::optional<int>(5));
}

TEST_F(MessagingTest, ImplementationReceivesTheObjectTheMessageWasSentTo) {
  struct Counter : Object {
    Counter() : Object("TestBase") {}
    int count = 0;
  };
  addMethod<void(int)>(base, "increaseBy:", [](Object& self, int by) { dynamic_cast<Counter&>(self).count += by; });
  Counter counter;
  send<void(int)>(counter, "increaseBy:", 4);
  EXPECT_TRUE(trySend<void(int)>(counter, "increaseBy:", 1));
  EXPECT_EQ(counter.count, 5);
}

TEST_F(MessagingTest, WrongSignatureIsALoggedMissWithADefaultResult) {
  Object object(&derived);
  std::string log = systemLogOf([&] { EXPECT_EQ(send<int()>(object, "name"), 0); });
  EXPECT_THAT(log, HasSubstr("-[TestDerived name]"));
  EXPECT_THAT(log, HasSubstr("int ()"));
  EXPECT_THAT(log, HasSubstr("implemented as std::string ()"));

  // Arguments must match exactly too: long is not int.
  log = systemLogOf([&] { EXPECT_EQ(trySend<int(long, int)>(object, "add:to:", 2L, 3), std::nullopt); });
  EXPECT_THAT(log, HasSubstr("int (long, int)"));
  EXPECT_THAT(log, HasSubstr("int (int, int)"));
}

TEST_F(MessagingTest, MissingOperationIsALoggedMissThatTrySendTellsApart) {
  Object object(&unrelated);
  const std::string log = systemLogOf([&] {
    EXPECT_EQ(send<std::string()>(object, "name"), "");
    EXPECT_EQ(trySend<std::string()>(object, "name"), std::nullopt);
    EXPECT_FALSE(trySend<void()>(object, "layoutSubviews"));
  });
  EXPECT_THAT(log, HasSubstr("-[TestUnrelated name] sent as std::string ()"));
  EXPECT_THAT(log, HasSubstr("not implemented"));
}

TEST_F(MessagingTest, NilReceiverAnswersNothingSilently) {
  Object* nobody = nullptr;
  const std::string log = systemLogOf([&] {
    EXPECT_EQ(send<int(int, int)>(nobody, "add:to:", 1, 2), 0);
    EXPECT_EQ(trySend<int(int, int)>(nobody, "add:to:", 1, 2), std::nullopt);
    send<void()>(nobody, "layoutSubviews");
    EXPECT_FALSE(trySend<void()>(nobody, "layoutSubviews"));
    EXPECT_FALSE(respondsToSelector(nobody, "name"));
    EXPECT_FALSE(isKindOfClass(nobody, "TestBase"));
  });
  EXPECT_EQ(log, "");
}

TEST_F(MessagingTest, RespondsToSelectorFollowsTheClassChain) {
  Object baseObject(&base);
  Object derivedObject(&derived);
  Object unrelatedObject(&unrelated);
  const struct {
    const Object& receiver;
    const char* selector;
    bool responds;
  } cases[] = {
      {baseObject, "name", true},         {baseObject, "add:to:", true},  {derivedObject, "add:to:", true},
      {derivedObject, "add:", false},     {derivedObject, "Name", false}, {unrelatedObject, "name", false},
      {derivedObject, "addTo", false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.receiver.isa()->name()) + " " + test.selector);
    EXPECT_EQ(respondsToSelector(test.receiver, test.selector), test.responds);
    EXPECT_EQ(instancesRespondToSelector(*test.receiver.isa(), test.selector), test.responds);
  }
  // Instance operations are not class operations.
  EXPECT_FALSE(respondsToSelector(base, "name"));
}

TEST_F(MessagingTest, IsKindOfClassCountsSubclassesOnly) {
  Object baseObject(&base);
  Object derivedObject(&derived);
  const struct {
    const Object& receiver;
    const char* className;
    bool kind;
  } cases[] = {
      {derivedObject, "TestDerived", true}, {derivedObject, "TestBase", true}, {baseObject, "TestBase", true},
      {baseObject, "TestDerived", false},   {derivedObject, "TestUnrelated", false},
      {derivedObject, "TestAbsent", false}, {derivedObject, "", false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.receiver.isa()->name()) + " kind of " + test.className);
    EXPECT_EQ(isKindOfClass(test.receiver, test.className), test.kind);
    EXPECT_EQ(isKindOfClass(test.receiver, getClass(test.className)), test.kind);
  }
}

TEST_F(MessagingTest, ClassOperationsLiveOnTheMetaclassAndAreInherited) {
  addClassMethod<std::optional<std::string>()>(base, "conditionCode", [](Object& self) {
    return std::optional<std::string>(static_cast<Class&>(self).name());
  });
  EXPECT_EQ(send<std::optional<std::string>()>(derived, "conditionCode"), "TestDerived");
  EXPECT_TRUE(respondsToSelector(base, "conditionCode"));
  EXPECT_TRUE(instancesRespondToSelector(metaclass(derived), "conditionCode"));
  EXPECT_TRUE(metaclass(base).isMetaclass());
  EXPECT_EQ(metaclass(derived).superclass(), &metaclass(base));
  // Not an instance operation.
  Object instance(&base);
  EXPECT_FALSE(respondsToSelector(instance, "conditionCode"));
}

TEST_F(MessagingTest, ObjectOfAnAbsentClassAnswersNoMessage) {
  std::unique_ptr<Object> object;
  const std::string log = systemLogOf([&] {
    object = std::make_unique<Object>("TestAbsent");
    EXPECT_EQ(send<std::string()>(*object, "name"), "");
  });
  EXPECT_THAT(log, HasSubstr("no class TestAbsent"));
  EXPECT_THAT(log, HasSubstr("[(object without a class) name] sent as std::string ()"));
  EXPECT_EQ(object->isa(), nullptr);
  EXPECT_FALSE(respondsToSelector(*object, "name"));
  EXPECT_FALSE(isKindOfClass(*object, "TestBase"));
}

}  // namespace
}  // namespace platform::objc
