#include "testing/LoopbackServer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vantile::testing {

namespace {

constexpr int kPollMilliseconds = 50;

bool waitReadable(int socket, int milliseconds) {
  pollfd entry{.fd = socket, .events = POLLIN, .revents = 0};
  return poll(&entry, 1, milliseconds) > 0;
}

// Reads until the blank line that ends the request head, or the client gives up.
void readRequestHead(int connection, const std::atomic<bool>& stopping) {
  std::string head;
  char buffer[4096];
  while (!stopping && head.find("\r\n\r\n") == std::string::npos) {
    if (!waitReadable(connection, kPollMilliseconds)) continue;
    const ssize_t received = recv(connection, buffer, sizeof buffer, 0);
    if (received <= 0) return;
    head.append(buffer, static_cast<std::size_t>(received));
  }
}

void sendAll(int connection, std::string_view bytes, const std::atomic<bool>& stopping) {
  while (!bytes.empty() && !stopping) {
    // No SIGPIPE when the client has hung up on an oversized body.
    const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

}  // namespace

SilentLoopbackPort::SilentLoopbackPort() {
  socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (socket_ < 0 || bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(socket_, 8) != 0 || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ADD_FAILURE() << "cannot listen on 127.0.0.1";
    return;
  }
  port_ = ntohs(address.sin_port);
}

SilentLoopbackPort::~SilentLoopbackPort() {
  if (socket_ >= 0) close(socket_);
}

std::string SilentLoopbackPort::url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

LoopbackHTTPServer::LoopbackHTTPServer(std::string response)
    : response_(std::move(response)), thread_([this] { serve(); }) {}

LoopbackHTTPServer::~LoopbackHTTPServer() {
  stopping_ = true;
  thread_.join();
}

std::string LoopbackHTTPServer::response(int status, std::string_view body, bool announceLength) {
  std::string head = "HTTP/1.1 " + std::to_string(status) + " Status\r\nConnection: close\r\n";
  if (announceLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  return head + "\r\n" + std::string(body);
}

void LoopbackHTTPServer::serve() {
  while (!stopping_) {
    if (!waitReadable(listening_.socket(), kPollMilliseconds)) continue;
    const int connection = accept(listening_.socket(), nullptr, nullptr);
    if (connection < 0) continue;
    readRequestHead(connection, stopping_);
    ++requests_;
    while (holding_ && !stopping_) {
      poll(nullptr, 0, kPollMilliseconds);
    }
    sendAll(connection, response_, stopping_);
    close(connection);
  }
}

}  // namespace vantile::testing
