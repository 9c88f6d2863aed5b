#pragma once

#include <cairo.h>

#include <cstdint>
#include <deque>
#include <functional>

#include "platform/web/RemoteViewMessages.h"
#include "webservice/KWVRootViewController.h"

namespace vantile::webservice {

// The service's end of the view-service connection: it hands the tweak's messages to the
// controller one at a time, in the order they came (a script waits until the page sent before
// it has loaded), and sends the host a frame of the page once the messages that arrived have
// been handled, and whenever the page reloads on its own.
class ServiceHostLink {
 public:
  // `ended` runs when the host closes the connection.
  ServiceHostLink(int socket, KWVRootViewController& controller, platform::graphics::Size pixelSize,
                  std::function<void()> ended);
  ~ServiceHostLink();
  ServiceHostLink(const ServiceHostLink&) = delete;
  ServiceHostLink& operator=(const ServiceHostLink&) = delete;

  // A message that is not handled within this time no longer holds up the ones after it.
  static constexpr unsigned kMessageTimeoutSeconds = 5;

  // For the main loop's callbacks. False once the host has gone.
  bool readMessage();
  void finishMessage(std::uint64_t generation);

 private:
  void pump();
  void requestFrame();
  void sendFrame(cairo_surface_t* picture, std::uint64_t handled);

  int socket_;
  KWVRootViewController& controller_;
  platform::graphics::Size pixelSize_;
  std::function<void()> ended_;
  std::deque<platform::web::Message> queue_;
  bool busy_ = false;
  std::uint64_t generation_ = 0;
  std::uint64_t handled_ = 0;
  bool drawing_ = false;
  bool drawAgain_ = false;
  unsigned watch_ = 0;
};

}  // namespace vantile::webservice
