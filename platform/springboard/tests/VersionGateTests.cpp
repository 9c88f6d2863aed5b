#include <gtest/gtest.h>

#include <string>

#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"

namespace platform::springboard {
namespace {

struct GateCase {
  int ios;
  const char* className;
  bool exists;
};

class VersionGateTest : public ::testing::TestWithParam<GateCase> {
 protected:
  ~VersionGateTest() override { removeSpringBoardClasses(); }
};

TEST_P(VersionGateTest, DecidesWhichClassesAreRegistered) {
  registerSpringBoardClasses(GetParam().ios);
  EXPECT_EQ(objc::getClass(GetParam().className) != nullptr, GetParam().exists)
      << GetParam().className << " on iOS " << GetParam().ios;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionGateTest,
    ::testing::Values(GateCase{16, "CSMainPageView", true}, GateCase{12, "CSMainPageView", false},
                      GateCase{12, "SBDashBoardMainPageView", true}, GateCase{13, "SBDashBoardMainPageView", false},
                      GateCase{13, "CSCoverSheetViewBase", true}, GateCase{12, "CSCoverSheetViewBase", false},
                      GateCase{13, "SBLockScreenTimerViewController", true}, GateCase{13, "CSTimerViewController", false},
                      GateCase{14, "CSTimerViewController", true}, GateCase{14, "SBLockScreenTimerViewController", false},
                      GateCase{10, "SBCoverSheetPresentationManager", false},
                      GateCase{11, "SBCoverSheetPresentationManager", true}, GateCase{15, "CSProminentTimeView", false},
                      GateCase{16, "CSProminentTimeView", true}, GateCase{16, "PSSplitViewController", false},
                      GateCase{10, "PSSplitViewController", false}, GateCase{10, "SBIconListView", true},
                      GateCase{16, "AVFlashlight", true}),
    [](const ::testing::TestParamInfo<GateCase>& info) {
      return std::string(info.param.className) + "On" + std::to_string(info.param.ios) +
             (info.param.exists ? "Exists" : "IsAbsent");
    });

TEST(VersionedClassNameTest, GivesTheOlderNameBeforeTheRename) {
  EXPECT_EQ(versionedClassName("CSMainPageView", 12), "SBDashBoardMainPageView");
  EXPECT_EQ(versionedClassName("CSMainPageView", 13), "CSMainPageView");
  EXPECT_EQ(versionedClassName("CSTimerViewController", 13), "SBLockScreenTimerViewController");
  EXPECT_EQ(versionedClassName("SBIconView", 9), "SBIconView");
}

TEST(SpringBoardClassesTest, EveryNamedClassIsRegisteredAndKnowsItsSuperclass) {
  for (const int ios : {10, 13, 14, 16}) {
    registerSpringBoardClasses(ios);
    for (const std::string& name : springBoardClassNames(ios)) EXPECT_NE(objc::getClass(name), nullptr) << name;
    EXPECT_TRUE(objc::getClass("CSCoverSheetView") == nullptr ||
                objc::getClass("CSCoverSheetView")->isSubclassOf(*objc::getClass("CSCoverSheetViewBase")));
    EXPECT_TRUE(objc::getClass("SBDockIconListView")->isSubclassOf(*objc::getClass("SBIconListView")));
  }
  removeSpringBoardClasses();
  EXPECT_EQ(objc::getClass("SBIconListView"), nullptr);
}

}  // namespace
}  // namespace platform::springboard
