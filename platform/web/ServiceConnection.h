#pragma once

#include <sys/types.h>

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

#include "platform/foundation/files/FileDescriptor.h"
#include "platform/graphics/Geometry.h"
#include "platform/web/RemoteViewMessages.h"

namespace platform::web {

// One running view-service process and the stream socket to it. Starting waits (bounded) for
// the service to say it is ready; afterwards messages go out in order and a reader thread hands
// every frame the service draws to the frame receiver. Destroying the connection closes the
// socket, which ends the service, and reaps the process (killed when it lingers).
class ServiceConnection {
 public:
  struct Request {
    std::filesystem::path executable;
    std::string viewControllerClassName;
    std::string serviceInterface;
    graphics::Size screenSize;
    double screenScale = 1;
    // How long the service may take to come up.
    double startTimeout = 10;
  };
  using FrameReceiver = std::function<void(const graphics::Image&)>;

  // The connection, or why there is none.
  static std::variant<std::shared_ptr<ServiceConnection>, std::string> start(const Request& request,
                                                                             FrameReceiver receiver);

  struct Key {
   private:
    friend class ServiceConnection;
    Key() = default;
  };
  ServiceConnection(Key, pid_t process, foundation::FileDescriptor socket, FrameReceiver receiver);
  ~ServiceConnection();
  ServiceConnection(const ServiceConnection&) = delete;
  ServiceConnection& operator=(const ServiceConnection&) = delete;

  // False once the service has gone.
  bool send(MessageKind kind, const std::string& payload);

  // Waits at most `seconds` until a frame has come that reflects every message sent so far,
  // or the service has gone. False on timeout.
  bool waitUntilCaughtUp(double seconds);

  // Every live connection caught up, within one shared deadline.
  static bool waitUntilAllCaughtUp(double seconds);

  pid_t process() const { return process_; }

 private:
  void readFrames();

  pid_t process_;
  foundation::FileDescriptor socket_;
  FrameReceiver receiver_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t sent_ = 0;
  std::uint64_t handled_ = 0;
  bool ended_ = false;
  std::thread reader_;
};

}  // namespace platform::web
