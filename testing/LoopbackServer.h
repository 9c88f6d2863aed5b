#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

namespace vantile::testing {

// A listening socket on 127.0.0.1 that never accepts: a connection is made by the kernel and
// then nothing ever answers.
class SilentLoopbackPort {
 public:
  SilentLoopbackPort();
  ~SilentLoopbackPort();
  SilentLoopbackPort(const SilentLoopbackPort&) = delete;
  SilentLoopbackPort& operator=(const SilentLoopbackPort&) = delete;

  std::uint16_t port() const { return port_; }
  std::string url(std::string_view path = "/") const;
  int socket() const { return socket_; }

 private:
  int socket_ = -1;
  std::uint16_t port_ = 0;
};

// An HTTP server on 127.0.0.1 that answers every request with the same raw response, on its
// own thread, until it is destroyed.
class LoopbackHTTPServer {
 public:
  explicit LoopbackHTTPServer(std::string response);
  ~LoopbackHTTPServer();
  LoopbackHTTPServer(const LoopbackHTTPServer&) = delete;
  LoopbackHTTPServer& operator=(const LoopbackHTTPServer&) = delete;

  // A whole response; without `announceLength` the body ends when the connection closes.
  static std::string response(int status, std::string_view body, bool announceLength = true);

  std::uint16_t port() const { return listening_.port(); }
  std::string url(std::string_view path = "/") const { return listening_.url(path); }

  // Requests received so far (answered or waiting).
  std::size_t requestCount() const { return requests_; }

  // A slow host: while held, requests are received and counted but their answers wait.
  void holdAnswers() { holding_ = true; }
  void releaseAnswers() { holding_ = false; }

 private:
  void serve();

  SilentLoopbackPort listening_;
  std::string response_;
  std::atomic<std::size_t> requests_{0};
  std::atomic<bool> holding_{false};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace vantile::testing
