#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/Geometry.h"
#include "webservice/EngineWebView.h"

namespace vantile::webservice {

// The view service's controller: a transparent web view showing one local widget page and
// running the scripts the tweak sends, with a second, simpler web view to fall back on when
// the page's web-content process ends.
class KWVRootViewController {
 public:
  using Done = std::function<void()>;

  // The protocol the service vends; the host's, "KWVRootViewControllerRemoteHost", is empty.
  static constexpr const char* kExportedInterface = "KWVRootViewControllerRemoteService";
  static constexpr const char* kLogFile = "/var/mobile/Media/Downloads/VantileWebService.log";

  // The main screen's size (points) and scale.
  KWVRootViewController(platform::graphics::Size screenSize, double screenScale);

  void viewDidLoad();
  void addWKWebview();
  void addUIWebView();
  void wkviewFailed();

  // `done` runs when the page has loaded in every web view there is (at once without one).
  void setWebViewURL(const std::string& path, Done done);
  // `done` runs once every web view there is has run the script.
  void callJavascript(const std::string& script, Done done);
  static void writeToLog(const std::string& message);

  // The web view on screen (the fallback once there is one) as drawn now; null without one.
  void snapshot(EngineWebView::Snapshot done);
  // The page on screen changed without a message from the tweak (the fallback loaded it).
  std::function<void()> onPageReloaded;

  const std::optional<std::string>& url() const { return _url; }
  bool hasFallback() const { return _webview != nullptr; }
  double scale() const { return scale_; }

 private:
  platform::graphics::Size size_;
  double scale_;
  std::unique_ptr<EngineWebView> _webview;
  std::unique_ptr<EngineWebView> _wkview;
  std::optional<std::string> _url;
};

}  // namespace vantile::webservice
