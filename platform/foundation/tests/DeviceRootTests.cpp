#include "platform/foundation/files/DeviceRoot.h"

#include "platform/foundation/files/Files.h"
#include "testing/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
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

struct LinkCase {
  const char* name;
  std::string_view linkAt;    // system path of the link
  fs::path target;            // as written in the link; "@/" stands for the device folder
  std::string_view probed;    // system path read through it
};

// A device folder with a folder outside it, and links between the two.
class DeviceFolderLinks : public ::testing::Test {
 protected:
  DeviceFolderLinks() {
    std::string pattern = (fs::temp_directory_path() / "vantile-outside-XXXXXX").string();
    EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
    outside = pattern;
    root.writeFile("/inside/file", "inside");
    root.writeFile("/inside/deeper/file", "deeper");
    std::ofstream(outside / "file") << "outside";
  }
  ~DeviceFolderLinks() override {
    std::error_code ignored;
    fs::remove_all(outside, ignored);
  }

  void link(const LinkCase& c) const;

  const vantile::testing::TemporaryDeviceRoot root;
  fs::path outside;
};


void DeviceFolderLinks::link(const LinkCase& c) const {
  const fs::path at = devicePath(c.linkAt);
  fs::create_directories(at.parent_path());
  const std::string target = c.target.string();
  fs::create_symlink(target.starts_with("@/") ? root.path() / target.substr(2) : c.target, at);
}

TEST_F(DeviceFolderLinks, LinksThatStayInsideAreFollowed) {
  const struct {
    LinkCase link;
    std::string_view resolved;  // below the real device folder
  } cases[] = {
      {{"relative, in the same folder", "/inside/relative", "file", "/inside/relative"}, "inside/file"},
      {{"relative, through ..", "/a/b/up", "../../inside/deeper/file", "/a/b/up"}, "inside/deeper/file"},
      {{"absolute, into the folder", "/absolute", "@/inside/file", "/absolute"}, "inside/file"},
      {{"a folder along the path", "/alias", "inside", "/alias/deeper/file"}, "inside/deeper/file"},
      {{"a link to a link", "/twice", "inside/relative", "/twice"}, "inside/file"},
      {{"a missing target inside", "/dangling", "inside/not-yet", "/dangling"}, "inside/not-yet"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link.name);
    link(c.link);
    const auto real = pathInsideDeviceRoot(devicePath(c.link.probed));
    ASSERT_TRUE(real);
    EXPECT_EQ(*real, fs::canonical(root.path()) / c.resolved);
  }
  EXPECT_EQ(readFile(devicePath("/alias/deeper/file")), "deeper");
  ASSERT_TRUE(writeFileAtomically(devicePath("/dangling"), "made"));
  EXPECT_EQ(readFile(devicePath("/inside/not-yet")), "made");
  EXPECT_TRUE(fs::is_symlink(devicePath("/dangling"))) << "the link itself stays";
}

TEST_F(DeviceFolderLinks, LinksThatLeaveAreRefusedEvenWhenTheyComeBack) {
  fs::create_symlink(root.path() / "inside/file", outside / "back-in");
  const std::string outsideName = outside.filename().string();
  const std::string rootName = root.path().filename().string();
  const LinkCase cases[] = {
      {"absolute, out", "/out", outside / "file", "/out"},
      {"relative, above the folder", "/var/up", "../../" + outsideName + "/file", "/var/up"},
      {"relative, above the folder and back", "/var/round", "../../" + rootName + "/inside/file", "/var/round"},
      {"out, then back in by a second link", "/chain", outside / "back-in", "/chain"},
      {"a folder along the path", "/folder", outside, "/folder/file"},
      {"the folder above the device folder", "/parent", root.path().parent_path(), "/parent"},
      {"a loop of links", "/loop", "loop", "/loop"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    link(c);
    const fs::path probed = devicePath(c.probed);
    EXPECT_EQ(pathInsideDeviceRoot(probed), std::nullopt);
    EXPECT_FALSE(fileExists(probed));
    EXPECT_EQ(readFile(probed), std::nullopt);
    EXPECT_FALSE(writeFileAtomically(probed, "written"));
    EXPECT_FALSE(appendToFile(probed, "appended"));
  }
  EXPECT_TRUE(listFolder(devicePath("/folder")).empty());
  EXPECT_FALSE(directoryExists(devicePath("/folder")));
  EXPECT_EQ(readFile(outside / "file"), "outside") << "nothing outside was written";
  EXPECT_EQ(readFile(devicePath("/inside/file")), "inside");
  EXPECT_EQ(listFolder(outside), (std::vector<std::string>{"back-in", "file"}));
}

TEST_F(DeviceFolderLinks, PathsOutsideTheDeviceFolderAreNotJudged) {
  fs::create_symlink(outside / "file", outside / "link");
  EXPECT_EQ(pathInsideDeviceRoot(outside / "link"), fs::canonical(outside / "file"));
  EXPECT_EQ(readFile(outside / "link"), "outside");
}

}  // namespace
}  // namespace platform::foundation
