#include "testing/LoopbackRepositoryServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace vantile::testing {

namespace fs = std::filesystem;

namespace {

constexpr int kPollMilliseconds = 20;

bool waitReadable(int socket, int milliseconds) {
  pollfd entry{.fd = socket, .events = POLLIN, .revents = 0};
  return poll(&entry, 1, milliseconds) > 0;
}

std::string readRequestHead(int connection, const std::atomic<bool>& stopping) {
  std::string head;
  char buffer[4096];
  while (!stopping && head.find("\r\n\r\n") == std::string::npos) {
    if (!waitReadable(connection, kPollMilliseconds)) continue;
    const ssize_t received = recv(connection, buffer, sizeof buffer, 0);
    if (received <= 0) break;
    head.append(buffer, static_cast<std::size_t>(received));
  }
  return head;
}

// "GET /a%20b?x HTTP/1.1" → "/a b".
std::string requestPath(const std::string& head) {
  const std::size_t start = head.find(' ');
  if (start == std::string::npos) return {};
  const std::size_t end = head.find_first_of(" ?", start + 1);
  const std::string raw = head.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  std::string decoded;
  for (std::size_t index = 0; index < raw.size(); ++index) {
    if (raw[index] == '%' && index + 2 < raw.size() && std::isxdigit(static_cast<unsigned char>(raw[index + 1])) &&
        std::isxdigit(static_cast<unsigned char>(raw[index + 2]))) {
      decoded += static_cast<char>(std::stoi(raw.substr(index + 1, 2), nullptr, 16));
      index += 2;
    } else {
      decoded += raw[index];
    }
  }
  return decoded;
}

void sendAll(int connection, std::string_view bytes, const std::atomic<bool>& stopping) {
  while (!bytes.empty() && !stopping) {
    const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

// Until the client hangs up or the server stops.
void waitForHangUp(int connection, const std::atomic<bool>& stopping) {
  char buffer[256];
  while (!stopping) {
    if (!waitReadable(connection, kPollMilliseconds)) continue;
    if (recv(connection, buffer, sizeof buffer, 0) <= 0) return;
  }
}

std::optional<std::string> fileInside(const fs::path& folder, const std::string& path) {
  std::error_code error;
  const fs::path root = fs::weakly_canonical(folder, error);
  const fs::path file = fs::weakly_canonical(folder / fs::path(path).relative_path(), error);
  if (error || !fs::is_regular_file(file)) return std::nullopt;
  const auto [rootEnd, _] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
  if (rootEnd != root.end()) return std::nullopt;
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream contents;
  contents << stream.rdbuf();
  return contents.str();
}

}  // namespace

LoopbackRepositoryServer::LoopbackRepositoryServer(fs::path folder)
    : folder_(std::move(folder)), thread_([this] { serve(); }) {}

LoopbackRepositoryServer::~LoopbackRepositoryServer() {
  stopping_ = true;
  thread_.join();
}

void LoopbackRepositoryServer::answer(const std::string& path, int status, std::string body) {
  const std::lock_guard lock(mutex_);
  overrides_[path] = {Fault::Answer, status, std::move(body)};
}

void LoopbackRepositoryServer::truncate(const std::string& path) {
  const std::lock_guard lock(mutex_);
  overrides_[path] = {Fault::Truncate, 200, {}};
}

void LoopbackRepositoryServer::oversize(const std::string& path, std::size_t bytes) {
  const std::lock_guard lock(mutex_);
  overrides_[path] = {Fault::Oversize, 200, std::string(bytes, 'x')};
}

void LoopbackRepositoryServer::stall(const std::string& path) {
  const std::lock_guard lock(mutex_);
  overrides_[path] = {Fault::Stall, 200, {}};
}

std::vector<std::string> LoopbackRepositoryServer::requestedPaths() const {
  const std::lock_guard lock(mutex_);
  return requested_;
}

std::size_t LoopbackRepositoryServer::requestCount(std::string_view path) const {
  const std::lock_guard lock(mutex_);
  return static_cast<std::size_t>(std::count(requested_.begin(), requested_.end(), path));
}

std::optional<LoopbackRepositoryServer::Override> LoopbackRepositoryServer::overrideFor(const std::string& path) const {
  const std::lock_guard lock(mutex_);
  const auto found = overrides_.find(path);
  if (found == overrides_.end()) return std::nullopt;
  return found->second;
}

void LoopbackRepositoryServer::serve() {
  while (!stopping_) {
    if (!waitReadable(listening_.socket(), kPollMilliseconds)) continue;
    const int connection = accept(listening_.socket(), nullptr, nullptr);
    if (connection < 0) continue;
    const std::string path = requestPath(readRequestHead(connection, stopping_));
    {
      const std::lock_guard lock(mutex_);
      requested_.push_back(path);
    }
    respond(connection, path);
    close(connection);
  }
}

void LoopbackRepositoryServer::respond(int connection, const std::string& path) {
  const std::optional<Override> fault = overrideFor(path);
  if (fault && fault->fault == Fault::Stall) return waitForHangUp(connection, stopping_);
  if (fault && fault->fault == Fault::Truncate) {
    const std::string partial = "{\"PresetView\":";
    sendAll(connection,
            "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: " + std::to_string(partial.size() + 100) +
                "\r\n\r\n" + partial,
            stopping_);
    return;
  }
  if (fault) return sendAll(connection, LoopbackHTTPServer::response(fault->status, fault->body), stopping_);
  const std::optional<std::string> file = fileInside(folder_, path);
  sendAll(connection, file ? LoopbackHTTPServer::response(200, *file) : LoopbackHTTPServer::response(404, "Not Found"),
          stopping_);
}

}  // namespace vantile::testing
