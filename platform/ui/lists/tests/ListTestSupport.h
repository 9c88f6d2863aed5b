#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/lists/IndexPath.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {

inline void PrintTo(const IndexPath& indexPath, std::ostream* out) {
  *out << "(" << indexPath.section << ", " << indexPath.row << ")";
}

}  // namespace platform::ui

namespace platform::ui::testing {

// What the system log received while `action` ran.
template <class Action>
std::string systemLogOf(Action&& action) {
  ::testing::internal::CaptureStderr();
  std::forward<Action>(action)();
  return ::testing::internal::GetCapturedStderr();
}

// Lists lay out on the main queue; tests run it on the manual clock and empty it after.
class ListTest : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  static foundation::MainQueue& queue() { return foundation::MainQueue::shared(); }
};

}  // namespace platform::ui::testing
