#include <gtest/gtest.h>

#include "ScreenOutputs.h"

namespace vantile::springboard {
namespace {

TEST(ScreenDump, PutsBothScreensUnderTheirLocations) {
  auto lock = platform::ui::View::make({});
  lock->setTag(8945);
  auto home = platform::ui::View::make({});
  home->setTag(8955);
  const platform::Value screens = dumpScreens(*lock, *home);
  EXPECT_EQ(screens["lockscreen"]["tag"], 8945);
  EXPECT_EQ(screens["homescreen"]["tag"], 8955);
  EXPECT_EQ(screens.begin().key(), "lockscreen");
}

}  // namespace
}  // namespace vantile::springboard
