#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "testing/LoopbackServer.h"

namespace vantile::testing {

// An HTTP server on 127.0.0.1 that serves the files of a folder by the request's path (the query
// is ignored, "%XX" decoded; 404 for anything missing or outside the folder), with faults that
// can be set per path. One connection at a time, on its own thread, until destroyed.
class LoopbackRepositoryServer {
 public:
  explicit LoopbackRepositoryServer(std::filesystem::path folder);
  ~LoopbackRepositoryServer();
  LoopbackRepositoryServer(const LoopbackRepositoryServer&) = delete;
  LoopbackRepositoryServer& operator=(const LoopbackRepositoryServer&) = delete;

  std::string url(std::string_view path = "/") const { return listening_.url(path); }

  // Faults for one decoded path ("/owner/name/main/themes.json").
  void answer(const std::string& path, int status, std::string body);
  // Announces more bytes than it sends, then closes.
  void truncate(const std::string& path);
  // A body of `bytes` bytes.
  void oversize(const std::string& path, std::size_t bytes);
  // Never answers; the connection is dropped when the client gives up.
  void stall(const std::string& path);

  // Decoded paths requested so far, in order.
  std::vector<std::string> requestedPaths() const;
  std::size_t requestCount(std::string_view path) const;

 private:
  enum class Fault { Answer, Truncate, Oversize, Stall };
  struct Override {
    Fault fault;
    int status = 200;
    std::string body;
  };

  void serve();
  void respond(int connection, const std::string& path);
  std::optional<Override> overrideFor(const std::string& path) const;

  std::filesystem::path folder_;
  SilentLoopbackPort listening_;
  mutable std::mutex mutex_;
  std::map<std::string, Override> overrides_;
  std::vector<std::string> requested_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace vantile::testing
