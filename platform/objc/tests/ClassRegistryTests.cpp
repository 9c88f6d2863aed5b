#include <gtest/gtest.h>

#include "platform/objc/ClassRegistry.h"

namespace platform::objc {
namespace {

class ClassRegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { ClassRegistry::shared().removeClass("SampleData"); }

  static std::shared_ptr<const Class> sampleClass(std::string answer) {
    return std::make_shared<const Class>("SampleData",
                                         std::map<std::string, ClassOperation, std::less<>>{
                                             {"code", [answer] { return std::optional<std::string>(answer); }},
                                             {"nothing", [] { return std::optional<std::string>(); }},
                                         });
  }
};

TEST_F(ClassRegistryTest, UnregisteredClassIsAbsent) {
  EXPECT_EQ(ClassRegistry::shared().lookUpClass("SampleData"), nullptr);
}

TEST_F(ClassRegistryTest, RegisteredClassAnswersItsOperationsByName) {
  ClassRegistry::shared().registerClass(sampleClass("32"));
  const auto found = ClassRegistry::shared().lookUpClass("SampleData");
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(found->respondsToClassOperation("code"));
  EXPECT_EQ(found->performClassOperation("code"), "32");
  // An operation that gives nil is still answered; an unknown one is not.
  EXPECT_TRUE(found->respondsToClassOperation("nothing"));
  EXPECT_EQ(found->performClassOperation("nothing"), std::nullopt);
  EXPECT_FALSE(found->respondsToClassOperation("cod"));
  EXPECT_EQ(found->performClassOperation("cod"), std::nullopt);
}

TEST_F(ClassRegistryTest, RegisteringAgainReplacesAndRemovingMakesAbsent) {
  ClassRegistry::shared().registerClass(sampleClass("1"));
  ClassRegistry::shared().registerClass(sampleClass("2"));
  EXPECT_EQ(ClassRegistry::shared().lookUpClass("SampleData")->performClassOperation("code"), "2");
  ClassRegistry::shared().removeClass("SampleData");
  EXPECT_EQ(ClassRegistry::shared().lookUpClass("SampleData"), nullptr);
}

TEST_F(ClassRegistryTest, LookUpMatchesTheWholeNameExactly) {
  ClassRegistry::shared().registerClass(sampleClass("1"));
  EXPECT_EQ(ClassRegistry::shared().lookUpClass("sampledata"), nullptr);
  EXPECT_EQ(ClassRegistry::shared().lookUpClass("Sample"), nullptr);
}

}  // namespace
}  // namespace platform::objc
