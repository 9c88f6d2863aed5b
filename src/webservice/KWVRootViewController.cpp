#include "webservice/KWVRootViewController.h"

#include <glib.h>

#include <filesystem>
#include <utility>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/LogFile.h"

namespace vantile::webservice {

namespace {

namespace foundation = platform::foundation;

// The file address of a path of the device, percent-encoded here and only here.
std::string fileURL(const std::filesystem::path& path) {
  gchar* uri = g_filename_to_uri(std::filesystem::absolute(path).c_str(), nullptr, nullptr);
  if (uri == nullptr) return {};
  std::string text(uri);
  g_free(uri);
  return text;
}

// Runs `done` once `count` parts have finished.
KWVRootViewController::Done countdown(int count, KWVRootViewController::Done done) {
  if (count <= 0) {
    if (done) done();
    return nullptr;
  }
  auto left = std::make_shared<int>(count);
  return [left, done = std::move(done)] {
    if (--*left == 0 && done) done();
  };
}

}  // namespace

KWVRootViewController::KWVRootViewController(platform::graphics::Size screenSize, double screenScale)
    : size_(screenSize), scale_(screenScale) {}

void KWVRootViewController::viewDidLoad() { addWKWebview(); }

void KWVRootViewController::addWKWebview() {
  // Set where the engine has a counterpart. Accelerated compositing and drawing are left to
  // the engine's own policy (there is no GPU behind an offscreen window), and the resource
  // usage overlay is off by default. The offline application cache, standalone mode, the
  // tiled scrolling indicator and showing while locked have no counterpart and are not set.
  const WebViewSetup setup{
      .javaScriptEnabled = true,
      .allowFileAccessFromFileURLs = true,
      .fullScreenEnabled = true,
      .allowsInlineMediaPlayback = true,
      .mediaPlaybackRequiresUserAction = true,
  };
  _wkview = std::make_unique<EngineWebView>(setup, size_, scale_);
  _wkview->onWebContentTerminated = [this](int reason) {
    std::string entry = "WKWebView webContent Terminated ";
    writeToLog(entry.append(std::to_string(reason)));
    // Not inside the ending view's own signal: it is destroyed on the way.
    g_idle_add(
        [](gpointer self) {
          static_cast<KWVRootViewController*>(self)->wkviewFailed();
          return G_SOURCE_REMOVE;
        },
        this);
  };
}

void KWVRootViewController::addUIWebView() {
  const WebViewSetup setup{
      .javaScriptEnabled = true,
      .allowFileAccessFromFileURLs = true,
      .fullScreenEnabled = false,
      .allowsInlineMediaPlayback = true,
      .mediaPlaybackRequiresUserAction = false,
  };
  _webview = std::make_unique<EngineWebView>(setup, size_, scale_);
}

void KWVRootViewController::wkviewFailed() {
  if (_webview) return;
  _wkview.reset();
  addUIWebView();
  if (_url) {
    setWebViewURL(*_url, [this] {
      if (onPageReloaded) onPageReloaded();
    });
  }
}

void KWVRootViewController::setWebViewURL(const std::string& path, Done done) {
  _url = path;
  const std::filesystem::path file = foundation::devicePath(path);
  Done finished = countdown((_webview ? 1 : 0) + (_wkview ? 1 : 0), std::move(done));
  if (_webview) {
    // The page's own folder, so its relative pictures and scripts resolve.
    const std::string base = fileURL(file.parent_path()) + "/";
    _webview->loadHTML(foundation::readFile(file).value_or(""), base, finished);
  }
  if (_wkview) _wkview->loadURI(fileURL(file), finished);
}

void KWVRootViewController::callJavascript(const std::string& script, Done done) {
  Done finished = countdown((_webview ? 1 : 0) + (_wkview ? 1 : 0), std::move(done));
  if (_webview) _webview->evaluate(script, finished);
  if (_wkview) _wkview->evaluate(script, finished);
}

void KWVRootViewController::snapshot(EngineWebView::Snapshot done) {
  EngineWebView* shown = _webview ? _webview.get() : _wkview.get();
  if (shown == nullptr) {
    done(nullptr);
    return;
  }
  shown->snapshot(std::move(done));
}

void KWVRootViewController::writeToLog(const std::string& message) {
  std::string entry = "\nLog:";
  foundation::appendLogEntry(foundation::devicePath(kLogFile), entry.append(message));
}

}  // namespace vantile::webservice
