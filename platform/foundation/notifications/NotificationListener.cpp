#include "platform/foundation/notifications/NotificationListener.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/foundation/files/SystemLog.h"

namespace platform::foundation {

namespace {

void logFailure(const std::string& what, int error) {
  systemLog("DarwinNotificationCenter: " + what + ": " + std::strerror(error));
}

bool bindTo(const FileDescriptor& socket, const SocketAddress& address) {
  return ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0;
}

// Whether a process is bound at the address (a left-over socket file refuses connections).
bool isAnswered(const SocketAddress& address) {
  const FileDescriptor probe(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  return probe.isOpen() &&
         ::connect(probe.get(), reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0;
}

// Binds a datagram socket under `name` in the folder. A file of that name left over by an
// earlier process that had this process's id is replaced; one still bound (a process of another
// pid namespace sharing the folder) is left alone.
FileDescriptor bindSocket(const NotificationFolder& folder, const std::string& name) {
  const auto address = folder.address(name);
  if (!address) {
    systemLog("DarwinNotificationCenter: no socket address fits in " + folder.path().string());
    return {};
  }
  FileDescriptor socket(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (!socket.isOpen()) {
    logFailure("cannot make a socket", errno);
    return {};
  }
  if (bindTo(socket, *address)) {
    return socket;
  }
  if (errno == EADDRINUSE && !isAnswered(*address) && ::unlinkat(folder.descriptor(), name.c_str(), 0) == 0 &&
      bindTo(socket, *address)) {
    return socket;
  }
  logFailure("cannot bind a socket in " + folder.path().string(), errno);
  return {};
}

}  // namespace

std::unique_ptr<NotificationListener> NotificationListener::start(NotificationFolder folder,
                                                                  std::size_t maximumNameLength,
                                                                  Receiver receiver) {
  std::string socketName = std::to_string(::getpid());
  FileDescriptor socket = bindSocket(folder, socketName);
  if (!socket.isOpen()) {
    return nullptr;
  }
  FileDescriptor stop(::eventfd(0, EFD_CLOEXEC));
  if (!stop.isOpen()) {
    logFailure("cannot make an event descriptor", errno);
    ::unlinkat(folder.descriptor(), socketName.c_str(), 0);
    return nullptr;
  }
  return std::make_unique<NotificationListener>(Key{}, std::move(folder), std::move(socketName), std::move(socket),
                                                std::move(stop), maximumNameLength, std::move(receiver));
}

NotificationListener::NotificationListener(Key, NotificationFolder folder, std::string socketName, FileDescriptor socket,
                                           FileDescriptor stop, std::size_t maximumNameLength, Receiver receiver)
    : folder_(std::move(folder)),
      socketName_(std::move(socketName)),
      socket_(std::move(socket)),
      stop_(std::move(stop)),
      maximumNameLength_(maximumNameLength),
      receiver_(std::move(receiver)),
      thread_([this] { receive(); }) {}

NotificationListener::~NotificationListener() {
  const std::uint64_t one = 1;
  if (::write(stop_.get(), &one, sizeof one) != sizeof one) {
    logFailure("cannot stop the receiving thread", errno);
  }
  thread_.join();
  // Through the folder's descriptor: if the folder has been removed and made again meanwhile,
  // a socket of the same name there belongs to someone else.
  ::unlinkat(folder_.descriptor(), socketName_.c_str(), 0);
}

void NotificationListener::receive() {
  // One byte more than a name may have, so an over-long datagram shows as one.
  std::vector<char> buffer(maximumNameLength_ + 1);
  std::array<pollfd, 2> watched{pollfd{socket_.get(), POLLIN, 0}, pollfd{stop_.get(), POLLIN, 0}};
  while (true) {
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) {
        continue;
      }
      logFailure("cannot wait for notifications", errno);
      return;
    }
    if (watched[1].revents != 0) {
      return;
    }
    if ((watched[0].revents & POLLIN) == 0) {
      continue;
    }
    const ssize_t length = ::recv(socket_.get(), buffer.data(), buffer.size(), MSG_DONTWAIT | MSG_TRUNC);
    if (length < 0) {
      if (errno != EAGAIN && errno != EINTR) {
        logFailure("cannot receive a notification", errno);
      }
      continue;
    }
    const auto size = static_cast<std::size_t>(length);
    if (size == 0 || size > maximumNameLength_) {
      systemLog("DarwinNotificationCenter: dropped a notification name of " + std::to_string(size) + " bytes");
      continue;
    }
    receiver_(std::string(buffer.data(), size));
  }
}

}  // namespace platform::foundation
