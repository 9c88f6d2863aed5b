#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/Geometry.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _WebKitWebView WebKitWebView;
typedef struct _GCancellable GCancellable;

namespace vantile::webservice {

// How a web view is set up. Only what the engine (WebKitGTK) has a counterpart for is here.
struct WebViewSetup {
  bool javaScriptEnabled = true;
  bool allowFileAccessFromFileURLs = false;
  bool fullScreenEnabled = false;
  bool allowsInlineMediaPlayback = false;
  bool mediaPlaybackRequiresUserAction = true;
};

// One transparent web view of the engine, drawn offscreen at the screen's size and scale. It
// takes no input: nothing delivers events to an offscreen window.
class EngineWebView {
 public:
  using Done = std::function<void()>;
  using Snapshot = std::function<void(cairo_surface_t* picture)>;

  EngineWebView(const WebViewSetup& setup, platform::graphics::Size size, double scale);
  ~EngineWebView();
  EngineWebView(const EngineWebView&) = delete;
  EngineWebView& operator=(const EngineWebView&) = delete;

  // `done` runs once when this load has finished (or failed), or when the page's process ends.
  void loadURI(const std::string& uri, Done done);
  void loadHTML(const std::string& html, const std::string& baseURI, Done done);
  // `done` runs once the script has run (its result and errors are dropped).
  void evaluate(const std::string& script, Done done);
  // The view as it is drawn now, with its transparent background kept; null when the engine
  // cannot draw it.
  void snapshot(Snapshot done);

  // The page's web-content process ended, with the engine's reason.
  std::function<void(int reason)> onWebContentTerminated;

  // For the engine's signals.
  void finishLoad();
  void webContentTerminated(int reason);

 private:
  GtkWidget* window_ = nullptr;
  WebKitWebView* view_ = nullptr;
  GCancellable* cancellable_ = nullptr;
  Done pendingLoad_;
};

}  // namespace vantile::webservice
