#include "webservice/EngineWebView.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cmath>
#include <memory>
#include <utility>

namespace vantile::webservice {

namespace {

// Owned by the engine's asynchronous call until its callback adopts it again; a cancelled
// call (the view is gone) runs nothing.
template <class Callback>
struct Pending {
  Callback callback;
};

void loadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
  if (event == WEBKIT_LOAD_FINISHED) static_cast<EngineWebView*>(self)->finishLoad();
}

void webProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer self) {
  static_cast<EngineWebView*>(self)->webContentTerminated(static_cast<int>(reason));
}

bool wasCancelled(GError* error) { return error != nullptr && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED); }

}  // namespace

EngineWebView::EngineWebView(const WebViewSetup& setup, platform::graphics::Size size, double scale) {
  WebKitSettings* settings = webkit_settings_new();
  webkit_settings_set_enable_javascript(settings, setup.javaScriptEnabled);
  webkit_settings_set_allow_file_access_from_file_urls(settings, setup.allowFileAccessFromFileURLs);
  webkit_settings_set_enable_fullscreen(settings, setup.fullScreenEnabled);
  webkit_settings_set_media_playback_allows_inline(settings, setup.allowsInlineMediaPlayback);
  webkit_settings_set_media_playback_requires_user_gesture(settings, setup.mediaPlaybackRequiresUserAction);
  view_ = WEBKIT_WEB_VIEW(webkit_web_view_new_with_settings(settings));
  g_object_unref(settings);
  const GdkRGBA clear{0, 0, 0, 0};
  webkit_web_view_set_background_color(view_, &clear);
  webkit_web_view_set_zoom_level(view_, scale);

  window_ = gtk_offscreen_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window_), static_cast<int>(std::lround(size.width * scale)),
                              static_cast<int>(std::lround(size.height * scale)));
  gtk_container_add(GTK_CONTAINER(window_), GTK_WIDGET(view_));
  gtk_widget_show_all(window_);
  cancellable_ = g_cancellable_new();
  g_signal_connect(view_, "load-changed", G_CALLBACK(loadChanged), this);
  g_signal_connect(view_, "web-process-terminated", G_CALLBACK(webProcessTerminated), this);
}

EngineWebView::~EngineWebView() {
  g_cancellable_cancel(cancellable_);
  g_signal_handlers_disconnect_by_data(view_, this);
  gtk_widget_destroy(window_);
  g_object_unref(cancellable_);
}

void EngineWebView::loadURI(const std::string& uri, Done done) {
  finishLoad();
  pendingLoad_ = std::move(done);
  webkit_web_view_load_uri(view_, uri.c_str());
}

void EngineWebView::loadHTML(const std::string& html, const std::string& baseURI, Done done) {
  finishLoad();
  pendingLoad_ = std::move(done);
  webkit_web_view_load_html(view_, html.c_str(), baseURI.c_str());
}

void EngineWebView::evaluate(const std::string& script, Done done) {
  Pending<Done>* pending = std::make_unique<Pending<Done>>(Pending<Done>{std::move(done)}).release();
  webkit_web_view_evaluate_javascript(
      view_, script.c_str(), static_cast<gssize>(script.size()), nullptr, nullptr, cancellable_,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Pending<Done>> owned(static_cast<Pending<Done>*>(data));
        GError* error = nullptr;
        JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, &error);
        if (value != nullptr) g_object_unref(value);
        const bool cancelled = wasCancelled(error);
        if (error != nullptr) g_error_free(error);
        if (!cancelled && owned->callback) owned->callback();
      },
      pending);
}

void EngineWebView::snapshot(Snapshot done) {
  Pending<Snapshot>* pending = std::make_unique<Pending<Snapshot>>(Pending<Snapshot>{std::move(done)}).release();
  webkit_web_view_get_snapshot(
      view_, WEBKIT_SNAPSHOT_REGION_VISIBLE, WEBKIT_SNAPSHOT_OPTIONS_TRANSPARENT_BACKGROUND, cancellable_,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Pending<Snapshot>> owned(static_cast<Pending<Snapshot>*>(data));
        GError* error = nullptr;
        cairo_surface_t* picture = webkit_web_view_get_snapshot_finish(WEBKIT_WEB_VIEW(source), result, &error);
        const bool cancelled = wasCancelled(error);
        if (error != nullptr) g_error_free(error);
        if (!cancelled && owned->callback) owned->callback(picture);
        if (picture != nullptr) cairo_surface_destroy(picture);
      },
      pending);
}

void EngineWebView::finishLoad() {
  if (Done done = std::exchange(pendingLoad_, nullptr)) done();
}

void EngineWebView::webContentTerminated(int reason) {
  finishLoad();
  if (onWebContentTerminated) onWebContentTerminated(reason);
}

}  // namespace vantile::webservice
