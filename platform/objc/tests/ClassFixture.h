#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/objc/Runtime.h"

namespace platform::objc::testing {

// Registers classes for one test and makes their names unknown again afterwards.
class ClassFixture : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& name : names_) removeClass(name);
  }

  Class& declare(std::string_view name, std::string_view superclassName = {}) {
    Class* cls = registerClass(name, superclassName);
    EXPECT_NE(cls, nullptr) << name;
    names_.emplace_back(name);
    return *cls;
  }

  // Forgets a name made some other way (a class pair).
  void forgetAfterwards(std::string_view name) { names_.emplace_back(name); }

 private:
  std::vector<std::string> names_;
};

// Runs `action` and gives what it wrote to the system log.
template <class Action>
std::string systemLogOf(Action&& action) {
  ::testing::internal::CaptureStderr();
  action();
  return ::testing::internal::GetCapturedStderr();
}

}  // namespace platform::objc::testing
