#include "platform/foundation/DeviceRoot.h"

#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace platform::foundation {
namespace {

namespace fs = std::filesystem;

// Restores the root and $VANTILE_ROOT a test changed.
class DeviceRootState {
 public:
  DeviceRootState() : root_(deviceRoot()) {
    if (const char* value = std::getenv("VANTILE_ROOT")) {
      environment_ = value;
    }
  }
  ~DeviceRootState() {
    if (environment_) {
      ::setenv("VANTILE_ROOT", environment_->c_str(), 1);
    } else {
      ::unsetenv("VANTILE_ROOT");
    }
    setDeviceRoot(root_);
  }
  DeviceRootState(const DeviceRootState&) = delete;
  DeviceRootState& operator=(const DeviceRootState&) = delete;

 private:
  fs::path root_;
  std::optional<std::string> environment_;
};

TEST(DeviceRoot, TheLastRootSetWins) {
  const DeviceRootState restore;
  setDeviceRoot("/tmp/first");
  setDeviceRoot("/tmp/second");
  EXPECT_EQ(deviceRoot(), fs::path("/tmp/second"));
}

TEST(DeviceRoot, FallsBackToTheEnvironmentThenTheWorkingDirectory) {
  const DeviceRootState restore;
  setDeviceRoot({});  // forget any root set before
  ::setenv("VANTILE_ROOT", "/tmp/from-environment", 1);
  EXPECT_EQ(deviceRoot(), fs::path("/tmp/from-environment"));
  EXPECT_EQ(devicePath("/var/mobile/x"), fs::path("/tmp/from-environment/var/mobile/x"));

  ::setenv("VANTILE_ROOT", "", 1);  // empty counts as unset
  EXPECT_EQ(deviceRoot(), fs::current_path());
  ::unsetenv("VANTILE_ROOT");
  EXPECT_EQ(deviceRoot(), fs::current_path());

  setDeviceRoot("/tmp/chosen");  // a root set beats the environment
  ::setenv("VANTILE_ROOT", "/tmp/from-environment", 1);
  EXPECT_EQ(deviceRoot(), fs::path("/tmp/chosen"));
}

TEST(DeviceRoot, TemporaryDeviceRootIsUsedAndRestored) {
  const fs::path before = deviceRoot();
  {
    const vantile::testing::TemporaryDeviceRoot root;
    EXPECT_EQ(deviceRoot(), root.path());
    EXPECT_EQ(devicePath("/var/mobile/a"), root.path() / "var/mobile/a");
  }
  EXPECT_EQ(deviceRoot(), before);
}

struct PathCase {
  std::string_view systemPath;
  std::string_view insideRoot;  // "" for the root itself
};

class DevicePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DevicePathTest, MapsIntoTheRoot) {
  const DeviceRootState restore;
  const fs::path root = "/tmp/device-root";
  setDeviceRoot(root);
  const PathCase& c = GetParam();
  const fs::path expected = c.insideRoot.empty() ? root : root / fs::path(c.insideRoot);
  const fs::path mapped = devicePath(c.systemPath);
  EXPECT_EQ(mapped, expected) << '"' << c.systemPath << '"';
  // Whatever the input, the result stays inside the root.
  const fs::path relative = mapped.lexically_relative(root);
  EXPECT_FALSE(relative.empty()) << mapped;
  EXPECT_NE(*relative.begin(), fs::path("..")) << mapped;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DevicePathTest,
    ::testing::Values(PathCase{"/var/mobile/x", "var/mobile/x"}, PathCase{"var/mobile/x", "var/mobile/x"},
                      PathCase{"", ""}, PathCase{"/", ""}, PathCase{".", ""}, PathCase{"..", ""},
                      PathCase{"/..", ""}, PathCase{"../../..", ""},
                      PathCase{"/var/../../etc/passwd", "etc/passwd"}, PathCase{"../etc/passwd", "etc/passwd"},
                      PathCase{"/var/mobile/../../../../x", "x"}, PathCase{"/var/./mobile//x", "var/mobile/x"},
                      PathCase{"//var/mobile/x", "var/mobile/x"}, PathCase{"/var/mobile/", "var/mobile"},
                      PathCase{"/var/mobile/Library/..", "var/mobile"},
                      PathCase{"/a/b/../../../c/./d/..", "c"}, PathCase{"/var/mobile/..x", "var/mobile/..x"},
                      PathCase{"/var/mobile/Media/DCIM/100APPLE/IMG_0001.JPG",
                               "var/mobile/Media/DCIM/100APPLE/IMG_0001.JPG"}));

TEST(DeviceRoot, RootWithTrailingSeparator) {
  const DeviceRootState restore;
  setDeviceRoot("/tmp/device-root/");
  EXPECT_EQ(devicePath("/var/x").lexically_normal(), fs::path("/tmp/device-root/var/x"));
  EXPECT_EQ(devicePath(""), fs::path("/tmp/device-root/"));
}

}  // namespace
}  // namespace platform::foundation
