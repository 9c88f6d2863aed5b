#include <gtk/gtk.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "ServiceOptions.h"
#include "VirtualDisplay.h"
#include "platform/web/RemoteViewMessages.h"
#include "webservice/KWVRootViewController.h"
#include "webservice/ServiceHostLink.h"

namespace {

using platform::web::MessageKind;
using vantile::webservice::KWVRootViewController;

// How long the host may take to say what it wants, and Xvfb to come up.
constexpr double kHelloTimeout = 10;
constexpr double kDisplayTimeout = 5;

int refuse(int channel, const std::string& reason) {
  std::string entry = "KWVRootViewController webview error ";
  KWVRootViewController::writeToLog(entry.append(reason));
  platform::web::writeMessage(channel, MessageKind::refused, reason);
  return 1;
}

// Why the controller and protocol the host asked for are not the ones vended here, if so.
std::optional<std::string> helloProblem(const std::optional<platform::web::Message>& hello) {
  if (!hello || hello->kind != MessageKind::init) return "the host did not open the connection";
  const auto newline = hello->payload.find('\n');
  const std::string controller = hello->payload.substr(0, newline);
  const std::string protocol = newline == std::string::npos ? std::string() : hello->payload.substr(newline + 1);
  if (controller != "KWVRootViewController") return std::string("no view controller named ").append(controller);
  if (protocol != KWVRootViewController::kExportedInterface) return std::string("no service protocol named ").append(protocol);
  return std::nullopt;
}

}  // namespace

// Under LeakSanitizer: the engine's libraries (GTK, its D-Bus link, JavaScriptCore) keep
// process-long allocations they never free; only theirs are left unreported.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libjavascriptcoregtk\nleak:libwebkit2gtk\n"
         "leak:libgtk-3.so\nleak:libgdk-3.so\nleak:libglib-2.0.so\nleak:libgobject-2.0.so\n";
}

int main(int argc, char** argv) {
  const auto parsed = vantile::kwvservice::parseServiceOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::cerr << "kwvservice: " << parsed.error << "\n";
    return 2;
  }
  const vantile::kwvservice::ServiceOptions& options = *parsed.options;
  const int channel = options.channel;
  std::optional<platform::web::Message> hello;
  if (platform::web::waitReadable(channel, kHelloTimeout)) hello = platform::web::readMessage(channel);
  if (const auto problem = helloProblem(hello)) return refuse(channel, *problem);

  const bool needsDisplay = std::getenv("DISPLAY") == nullptr;
  const std::optional<vantile::kwvservice::VirtualDisplay> display =
      needsDisplay ? vantile::kwvservice::VirtualDisplay::start(kDisplayTimeout) : std::nullopt;
  if (needsDisplay && !display) return refuse(channel, "no display, and no virtual X server (Xvfb) could be started");
  if (!gtk_init_check(nullptr, nullptr)) return refuse(channel, "the web engine cannot open the display");

  KWVRootViewController controller(options.screen, options.scale);
  controller.viewDidLoad();
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  {
    const platform::graphics::Size pixels{options.screen.width * options.scale, options.screen.height * options.scale};
    vantile::webservice::ServiceHostLink link(channel, controller, pixels, [loop] { g_main_loop_quit(loop); });
    platform::web::writeMessage(channel, MessageKind::ready, {});
    g_main_loop_run(loop);
  }
  g_main_loop_unref(loop);
  return 0;
}
