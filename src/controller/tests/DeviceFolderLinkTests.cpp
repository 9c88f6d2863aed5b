#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "controller/tests/ControllerTestSupport.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/PNGCodec.h"

namespace vantile::testing {
namespace {

namespace fs = std::filesystem;
namespace foundation = platform::foundation;
using platform::Value;

std::string contentsOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string onePixelPNG() {
  const std::vector<std::uint8_t> rgba{255, 255, 255, 255};
  return *platform::graphics::encodePNG(*platform::graphics::Image::fromRGBA(1, 1, rgba));
}

constexpr const char* kSettingsPlist = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>theme</key><string>linked</string></dict></plist>
)";

// What the system keeps at a path, and how it reads or writes it. `use` says whether it
// reached the file (read what the target holds, or wrote to the target).
struct Kind {
  const char* name;
  std::string systemPath;
  std::string contents;
  std::function<bool(VantileController&, const fs::path& target)> use;
};

enum class Shape { leaves, staysInside, leavesAndComesBack };

class DeviceFolderLinks : public ControllerTest {
 protected:
  DeviceFolderLinks() {
    std::string pattern = (fs::temp_directory_path() / "vantile-outside-XXXXXX").string();
    EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
    outside = pattern;
  }
  ~DeviceFolderLinks() override {
    std::error_code ignored;
    fs::remove_all(outside, ignored);
  }

  // Puts the file where the shape leads and a link at its system path; gives the file's place.
  fs::path place(const Kind& kind, Shape shape) const {
    const fs::path link = foundation::devicePath(kind.systemPath);
    const fs::path inside = foundation::devicePath("/var/mobile/elsewhere") / link.filename();
    const fs::path target = shape == Shape::leaves ? outside / link.filename() : inside;
    fs::create_directories(target.parent_path());
    fs::create_directories(link.parent_path());
    std::ofstream(target, std::ios::binary) << kind.contents;
    switch (shape) {
      case Shape::leaves:
        fs::create_symlink(target, link);
        break;
      case Shape::staysInside:
        fs::create_symlink(target.lexically_relative(link.parent_path()), link);
        break;
      case Shape::leavesAndComesBack:
        fs::create_symlink(target, outside / "hop");
        fs::create_symlink(outside / "hop", link);
        break;
    }
    return target;
  }

  fs::path outside;
};

TEST_F(DeviceFolderLinks, EveryReaderAndWriterFollowsOnlyLinksThatStayInside) {
  const Kind kinds[] = {
      {"theme", std::string(kThemesFolder) + "linked.json", theme({{"D", label("d")}}, {"D"}).dump(),
       [](VantileController& controller, const fs::path&) {
         controller.createViewFromTheme(std::string(kThemesFolder) + "linked.json", "lockscreen");
         return controller.getElDict("D", "lockscreen").tag != 0;
       }},
      {"settings", "/var/mobile/Library/Preferences/com.vantile.linked.plist", kSettingsPlist,
       [](VantileController&, const fs::path& target) {
         const foundation::PreferenceDomain domain("com.vantile.linked");
         const bool read = domain.valueForKey("theme") == Value("linked");
         const bool written = domain.setValueForKey("other", "value");
         EXPECT_EQ(read, written);
         return read && written && contentsOf(target).find("other") != std::string::npos;
       }},
      {"log", "/var/mobile/Media/Downloads/vantile.log", "before",
       [](VantileController&, const fs::path& target) {
         VantileHelpers::writeToLog("entry");
         foundation::MainQueue::shared().runPending();
         return contentsOf(target) == "before\nLog:entry";
       }},
      {"asset picture", "/var/mobile/Library/VantileAssets/linked.png", onePixelPNG(),
       [](VantileController&, const fs::path&) { return conventions::assetImage("linked.png").has_value(); }},
      {"written file", "/var/mobile/Library/Vantile/themes/written.json", "old",
       [](VantileController&, const fs::path& target) {
         const bool written = foundation::writeFileAtomically(
             foundation::devicePath("/var/mobile/Library/Vantile/themes/written.json"), "new");
         return written && contentsOf(target) == "new";
       }},
  };
  const struct {
    const char* name;
    Shape shape;
    bool followed;
  } shapes[] = {
      {"a link out of the folder", Shape::leaves, false},
      {"a link inside the folder", Shape::staysInside, true},
      {"a chain of links that leaves and comes back", Shape::leavesAndComesBack, false},
  };
  for (const auto& shape : shapes) {
    for (const Kind& kind : kinds) {
      SCOPED_TRACE(std::string(kind.name) + " through " + shape.name);
      // Nothing of an earlier case lingers: no preset, no log line still to be written.
      controller = VantileController::make();
      foundation::MainQueue::shared().clear();
      const fs::path target = place(kind, shape.shape);
      EXPECT_EQ(kind.use(*controller, target), shape.followed);
      if (!shape.followed) {
        EXPECT_EQ(contentsOf(target), kind.contents) << "the file behind the link is untouched";
      }
      EXPECT_TRUE(fs::is_symlink(foundation::devicePath(kind.systemPath))) << "the link itself stays";
      fs::remove(foundation::devicePath(kind.systemPath));
      fs::remove(outside / "hop");
    }
  }
}

}  // namespace
}  // namespace vantile::testing
