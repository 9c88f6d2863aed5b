#pragma once

#include <sys/socket.h>
#include <sys/un.h>

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/foundation/files/FileDescriptor.h"

namespace platform::foundation {

// A Unix socket address and its length.
struct SocketAddress {
  sockaddr_un address{};
  socklen_t length = 0;
};

// The folder in which every process observing Darwin notifications keeps one datagram socket,
// named after its process id. The folder stays open, so its sockets are reached through the
// descriptor ("/proc/self/fd/N/NAME") when the full path would not fit a socket address, and a
// folder removed and made again under the same path is never mistaken for this one.
class NotificationFolder {
 public:
  // Nothing when the folder cannot be opened (or made, with `create`), with a log line; a
  // folder that does not exist, without `create`, is nothing without a log line.
  static std::optional<NotificationFolder> open(const std::filesystem::path& path, bool create);

  const std::filesystem::path& path() const { return path_; }
  int descriptor() const { return descriptor_.get(); }

  // Nothing when even the short form through the descriptor does not fit.
  std::optional<SocketAddress> address(std::string_view socketName) const;

  // Sends `name` to every socket of the folder except `except`. Never blocks: a process that
  // does not keep up misses the post. A socket whose process is gone is removed.
  void broadcast(std::string_view name, std::string_view except) const;

 private:
  NotificationFolder(std::filesystem::path path, FileDescriptor descriptor);

  std::filesystem::path path_;
  FileDescriptor descriptor_;
};

}  // namespace platform::foundation
