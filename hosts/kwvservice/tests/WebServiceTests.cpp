#include <cairo.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <variant>

#include "integration/webwidgets/WidgetScripts.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Image.h"
#include "platform/web/ServiceConnection.h"
#include "testing/TemporaryDeviceRoot.h"

namespace {

using platform::web::MessageKind;
using platform::web::ServiceConnection;
using Clock = std::chrono::steady_clock;

constexpr const char* kPagePath = "/var/mobile/Library/VantileAssets/html/probe page/index.html";
constexpr const char* kServiceLog = "/var/mobile/Media/Downloads/VantileWebService.log";
// Generous: the service and its engine start cold, under the sanitizers.
constexpr double kWait = 30;

// A box that scripts recolour, a picture and a script beside the page, by relative addresses.
constexpr const char* kPage = R"(<!DOCTYPE html>
<html><head><style>
  body { margin: 0; background: transparent; }
  #box { position: absolute; left: 0; top: 0; width: 100px; height: 100px; background: rgb(0, 0, 255); }
  #pic { position: absolute; left: 200px; top: 0; width: 40px; height: 40px; }
</style><script src="page.js"></script></head>
<body><div id="box"></div><img id="pic" src="dot.png"></body></html>
)";

// "statusbar" checks that the Wi-Fi name arrived whole, as text.
constexpr const char* kPageScript = R"(
function mainUpdate(what) {
  var box = document.getElementById('box');
  if (what === 'probe') box.style.background = 'rgb(255, 0, 0)';
  if (what === 'statusbar') {
    var whole = wifiName.length === 54 && wifiName.indexOf('</script>') >= 0 && wifiName.indexOf('\u2028') >= 0;
    box.textContent = wifiName;
    box.style.background = whole ? 'rgb(255, 0, 0)' : 'rgb(255, 255, 0)';
  }
}
)";

struct Pixel {
  int red, green, blue, alpha;
  bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& p) {
  return out << "rgba(" << p.red << ", " << p.green << ", " << p.blue << ", " << p.alpha << ")";
}

bool waitFor(const std::function<bool()>& condition, double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// The web-content process the engine started for the service.
std::optional<pid_t> webContentProcessOf(pid_t service) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos || line.find("(WebKitWebProces") == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == service) return static_cast<pid_t>(std::stoi(name));
  }
  return std::nullopt;
}

class WebServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr && ::access("/usr/bin/Xvfb", X_OK) != 0) {
      GTEST_SKIP() << "no display and no Xvfb: scripts/setup installs xvfb";
    }
    const std::filesystem::path folder = platform::foundation::devicePath(kPagePath).parent_path();
    root.writeFile(kPagePath, kPage);
    root.writeFile("/var/mobile/Library/VantileAssets/html/probe page/page.js", kPageScript);
    cairo_surface_t* dot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    cairo_t* cairo = cairo_create(dot);
    cairo_set_source_rgb(cairo, 0, 1, 0);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_write_to_png(dot, (folder / "dot.png").c_str());
    cairo_surface_destroy(dot);
  }

  void start() {
    const ServiceConnection::Request request{.executable = VANTILE_WEB_SERVICE_PROGRAM,
                                             .viewControllerClassName = "KWVRootViewController",
                                             .serviceInterface = "KWVRootViewControllerRemoteService",
                                             .screenSize = {320, 240},
                                             .screenScale = 1,
                                             .startTimeout = kWait};
    auto started = ServiceConnection::start(request, [this](const platform::graphics::Image& image) {
      const std::lock_guard lock(mutex);
      latest = image;
      ++frames;
    });
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<ServiceConnection>>(started))
        << std::get<std::string>(started);
    connection = std::get<std::shared_ptr<ServiceConnection>>(std::move(started));
  }

  void sendAndWait(MessageKind kind, const std::string& text) {
    ASSERT_TRUE(connection->send(kind, text));
    ASSERT_TRUE(connection->waitUntilCaughtUp(kWait)) << "no frame after " << text;
  }

  Pixel pixelAt(int x, int y) {
    const std::lock_guard lock(mutex);
    if (!latest) return {-1, -1, -1, -1};
    const auto pixel = latest->pixelAt(x, y);
    return pixel ? Pixel{pixel->red, pixel->green, pixel->blue, pixel->alpha} : Pixel{-1, -1, -1, -1};
  }

  int frameCount() {
    const std::lock_guard lock(mutex);
    return frames;
  }

  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ServiceConnection> connection;
  std::mutex mutex;
  std::optional<platform::graphics::Image> latest;
  int frames = 0;
};

constexpr Pixel kRed{255, 0, 0, 255};
constexpr Pixel kBlue{0, 0, 255, 255};
constexpr Pixel kGreen{0, 255, 0, 255};
constexpr Pixel kClear{0, 0, 0, 0};

TEST_F(WebServiceTest, TheServiceShowsThePageOnAClearBackgroundAndTheChangeAScriptMakes) {
  const auto launched = Clock::now();
  start();
  sendAndWait(MessageKind::setWebViewURL, kPagePath);
  std::cout << "kwvservice: start to first page frame "
            << std::chrono::duration<double>(Clock::now() - launched).count() << " s\n";
  EXPECT_EQ(pixelAt(50, 50), kBlue);
  EXPECT_EQ(pixelAt(220, 20), kGreen) << "the page's own picture, by its relative address";
  EXPECT_EQ(pixelAt(300, 200), kClear) << "the background stays transparent";

  sendAndWait(MessageKind::callJavascript, "mainUpdate('probe')");
  EXPECT_EQ(pixelAt(50, 50), kRed);
}

TEST_F(WebServiceTest, AHostileWifiNameReachesThePageAsTextAndRunsNothing) {
  start();
  sendAndWait(MessageKind::setWebViewURL, kPagePath);
  // 54 UTF-16 units: quotes of both kinds, a script end tag, U+2028 and code after them.
  const std::string hostile =
      "x'\"</script>\xE2\x80\xA8';document.body.style.background='lime';'";
  const std::string signal = R"({"signalBars":"1","wifiBars":"1","signalName":"c","wifiName":)" +
                             platform::Value(hostile).dump() + "}";
  const auto script = vantile::integration::widgetScriptFor(vantile::integration::SnapshotKind::signal, signal);
  ASSERT_TRUE(script.has_value());
  connection->send(MessageKind::callJavascript, script->data);
  sendAndWait(MessageKind::callJavascript, script->update);
  EXPECT_EQ(pixelAt(50, 50), kRed) << "yellow: the name did not arrive whole";
  EXPECT_EQ(pixelAt(300, 200), kClear) << "the name's code ran";
}

TEST_F(WebServiceTest, AfterTheWebContentProcessEndsTheFallbackReloadsTheLastPageAndTakesLaterScripts) {
  start();
  sendAndWait(MessageKind::setWebViewURL, kPagePath);
  sendAndWait(MessageKind::callJavascript, "mainUpdate('probe')");
  ASSERT_EQ(pixelAt(50, 50), kRed);

  const auto webContent = webContentProcessOf(connection->process());
  ASSERT_TRUE(webContent.has_value()) << "the engine's web-content process was not found";
  const int framesBefore = frameCount();
  ASSERT_EQ(::kill(*webContent, SIGKILL), 0);
  // The reloaded page (its box blue again) comes as a frame of its own.
  ASSERT_TRUE(waitFor([&] { return frameCount() > framesBefore && pixelAt(50, 50) == kBlue; }, kWait));
  const auto log = platform::foundation::readFile(platform::foundation::devicePath(kServiceLog));
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(log->find("\nLog:WKWebView webContent Terminated "), std::string::npos) << *log;
  EXPECT_EQ(pixelAt(220, 20), kGreen) << "the reloaded page's picture resolves from its folder";

  sendAndWait(MessageKind::callJavascript, "mainUpdate('probe')");
  EXPECT_EQ(pixelAt(50, 50), kRed) << "the reloaded page's script runs later calls";
}

}  // namespace
