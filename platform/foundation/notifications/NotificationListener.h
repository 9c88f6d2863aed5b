#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/foundation/files/FileDescriptor.h"
#include "platform/foundation/notifications/NotificationFolder.h"

namespace platform::foundation {

// This process's socket in a notification folder, and the thread that reads it: every name
// that arrives is handed to the receiver, on that thread. Destroying the listener stops and
// joins the thread and removes the socket.
class NotificationListener {
 public:
  using Receiver = std::function<void(std::string name)>;

  // Nothing, with a log line, when the socket cannot be made.
  static std::unique_ptr<NotificationListener> start(NotificationFolder folder, std::size_t maximumNameLength,
                                                     Receiver receiver);

  // Only start() can make the key.
  class Key {
    friend class NotificationListener;
    Key() = default;
  };
  NotificationListener(Key, NotificationFolder folder, std::string socketName, FileDescriptor socket,
                       FileDescriptor stop, std::size_t maximumNameLength, Receiver receiver);
  ~NotificationListener();
  NotificationListener(const NotificationListener&) = delete;
  NotificationListener& operator=(const NotificationListener&) = delete;

  const NotificationFolder& folder() const { return folder_; }
  const std::string& socketName() const { return socketName_; }

 private:
  void receive();

  NotificationFolder folder_;
  std::string socketName_;
  FileDescriptor socket_;
  FileDescriptor stop_;  // an eventfd: written once to end the thread
  std::size_t maximumNameLength_;
  Receiver receiver_;
  std::thread thread_;
};

}  // namespace platform::foundation
