#include "platform/foundation/notifications/NotificationFolder.h"

#include <fcntl.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "platform/foundation/files/SystemLog.h"

namespace platform::foundation {

namespace {

void logFailure(const std::string& what, int error) {
  systemLog("DarwinNotificationCenter: " + what + ": " + std::strerror(error));
}

std::optional<SocketAddress> socketAddress(const std::string& path) {
  SocketAddress result;
  result.address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(result.address.sun_path)) {
    return std::nullopt;
  }
  std::memcpy(result.address.sun_path, path.c_str(), path.size() + 1);
  result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
  return result;
}

std::vector<std::string> socketNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code statusError;
    if (std::filesystem::is_socket(entry->symlink_status(statusError))) {
      names.push_back(entry->path().filename().string());
    }
  }
  if (error) {
    logFailure("cannot list " + folder.string(), error.value());
  }
  return names;
}

}  // namespace

NotificationFolder::NotificationFolder(std::filesystem::path path, FileDescriptor descriptor)
    : path_(std::move(path)), descriptor_(std::move(descriptor)) {}

std::optional<NotificationFolder> NotificationFolder::open(const std::filesystem::path& path, bool create) {
  if (create) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) {
      logFailure("cannot make " + path.string(), error.value());
      return std::nullopt;
    }
  }
  FileDescriptor descriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!descriptor.isOpen()) {
    if (create || errno != ENOENT) {
      logFailure("cannot open " + path.string(), errno);
    }
    return std::nullopt;
  }
  return NotificationFolder(path, std::move(descriptor));
}

std::optional<SocketAddress> NotificationFolder::address(std::string_view socketName) const {
  const std::string name(socketName);
  if (auto direct = socketAddress((path_ / name).string())) {
    return direct;
  }
  return socketAddress("/proc/self/fd/" + std::to_string(descriptor_.get()) + "/" + name);
}

void NotificationFolder::broadcast(std::string_view name, std::string_view except) const {
  const FileDescriptor sender(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (!sender.isOpen()) {
    logFailure("cannot make a socket", errno);
    return;
  }
  for (const std::string& socketName : socketNames(path_)) {
    if (socketName == except) {
      continue;
    }
    const auto target = address(socketName);
    if (!target) {
      continue;  // not one of ours: our names are short
    }
    if (::sendto(sender.get(), name.data(), name.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                 reinterpret_cast<const sockaddr*>(&target->address), target->length) >= 0) {
      continue;
    }
    const int error = errno;
    if (error == ECONNREFUSED) {
      // Left behind by a process that ended without removing it.
      ::unlinkat(descriptor_.get(), socketName.c_str(), 0);
    } else if (error != ENOENT) {
      logFailure("cannot send \"" + std::string(name) + "\" to " + socketName, error);
    }
  }
}

}  // namespace platform::foundation
