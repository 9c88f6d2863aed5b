#include "webservice/ServiceHostLink.h"

#include <glib-unix.h>
#include <glib.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace vantile::webservice {

namespace {

using platform::web::MessageKind;

struct Watchdog {
  ServiceHostLink* link;
  std::uint64_t generation;
};

gboolean readableCallback(gint, GIOCondition, gpointer self) {
  return static_cast<ServiceHostLink*>(self)->readMessage() ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

gboolean messageTimedOut(gpointer data) {
  const auto& watchdog = *static_cast<Watchdog*>(data);
  watchdog.link->finishMessage(watchdog.generation);
  return G_SOURCE_REMOVE;
}

int width(platform::graphics::Size size) { return static_cast<int>(std::lround(size.width)); }
int height(platform::graphics::Size size) { return static_cast<int>(std::lround(size.height)); }

}  // namespace

ServiceHostLink::ServiceHostLink(int socket, KWVRootViewController& controller, platform::graphics::Size pixelSize,
                                 std::function<void()> ended)
    : socket_(socket), controller_(controller), pixelSize_(pixelSize), ended_(std::move(ended)) {
  watch_ = g_unix_fd_add(socket_, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                         readableCallback, this);
  controller_.onPageReloaded = [this] { requestFrame(); };
}

ServiceHostLink::~ServiceHostLink() {
  controller_.onPageReloaded = nullptr;
  if (watch_ != 0) g_source_remove(watch_);
}

bool ServiceHostLink::readMessage() {
  std::optional<platform::web::Message> message = platform::web::readMessage(socket_);
  if (!message) {
    watch_ = 0;
    if (ended_) ended_();
    return false;
  }
  if (message->kind == MessageKind::setWebViewURL || message->kind == MessageKind::callJavascript) {
    queue_.push_back(std::move(*message));
    pump();
  }
  return true;
}

void ServiceHostLink::pump() {
  if (busy_) return;
  if (queue_.empty()) {
    requestFrame();
    return;
  }
  platform::web::Message message = std::move(queue_.front());
  queue_.pop_front();
  busy_ = true;
  const std::uint64_t generation = ++generation_;
  g_timeout_add_seconds_full(G_PRIORITY_DEFAULT, kMessageTimeoutSeconds, messageTimedOut,
                             std::make_unique<Watchdog>(Watchdog{this, generation}).release(),
                             [](gpointer data) { std::unique_ptr<Watchdog>(static_cast<Watchdog*>(data)); });
  auto done = [this, generation] { finishMessage(generation); };
  if (message.kind == MessageKind::setWebViewURL) {
    controller_.setWebViewURL(message.payload, done);
  } else {
    controller_.callJavascript(message.payload, done);
  }
}

void ServiceHostLink::finishMessage(std::uint64_t generation) {
  if (!busy_ || generation != generation_) return;
  busy_ = false;
  ++handled_;
  pump();
}

void ServiceHostLink::requestFrame() {
  if (drawing_) {
    drawAgain_ = true;
    return;
  }
  drawing_ = true;
  const std::uint64_t handled = handled_;
  controller_.snapshot([this, handled](cairo_surface_t* picture) {
    sendFrame(picture, handled);
    drawing_ = false;
    if (std::exchange(drawAgain_, false)) requestFrame();
  });
}

void ServiceHostLink::sendFrame(cairo_surface_t* picture, std::uint64_t handled) {
  const int frameWidth = width(pixelSize_);
  const int frameHeight = height(pixelSize_);
  cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, frameWidth, frameHeight);
  if (picture != nullptr) {
    cairo_t* cairo = cairo_create(frame);
    cairo_set_source_surface(cairo, picture, 0, 0);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
  }
  cairo_surface_flush(frame);
  const std::string payload = platform::web::encodeFrame(
      handled, frameWidth, frameHeight, controller_.scale(), cairo_image_surface_get_data(frame),
      cairo_image_surface_get_stride(frame));
  cairo_surface_destroy(frame);
  platform::web::writeMessage(socket_, MessageKind::frame, payload);
}

}  // namespace vantile::webservice
