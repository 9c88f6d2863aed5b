#include "platform/web/RemoteViewMessages.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/foundation/files/SystemLog.h"

namespace platform::web {

namespace {

constexpr std::size_t kHeaderLength = 8;
constexpr std::size_t kFrameHeaderLength = 8 + 4 + 4 + 4;

void putUInt32(std::string& out, std::uint32_t value) {
  char bytes[4];
  std::memcpy(bytes, &value, 4);
  out.append(bytes, 4);
}

void putUInt64(std::string& out, std::uint64_t value) {
  char bytes[8];
  std::memcpy(bytes, &value, 8);
  out.append(bytes, 8);
}

template <class T>
T take(std::string_view bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

bool writeAll(int socket, const char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t written = ::send(socket, data, length, MSG_NOSIGNAL);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    length -= static_cast<std::size_t>(written);
  }
  return true;
}

bool readAll(int socket, char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t got = ::recv(socket, data, length, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    length -= static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace

std::string encodeFrame(std::uint64_t handledMessages, int width, int height, double scale,
                        const std::uint8_t* argbRows, int bytesPerRow) {
  std::string out;
  const std::size_t rowLength = static_cast<std::size_t>(width) * 4;
  out.reserve(kFrameHeaderLength + rowLength * static_cast<std::size_t>(height));
  putUInt64(out, handledMessages);
  putUInt32(out, static_cast<std::uint32_t>(width));
  putUInt32(out, static_cast<std::uint32_t>(height));
  putUInt32(out, static_cast<std::uint32_t>(std::lround(scale * 1000)));
  for (int row = 0; row < height; ++row) {
    out.append(reinterpret_cast<const char*>(argbRows + static_cast<std::ptrdiff_t>(row) * bytesPerRow), rowLength);
  }
  return out;
}

std::optional<Frame> decodeFrame(std::string_view payload) {
  if (payload.size() < kFrameHeaderLength) {
    foundation::systemLog("remote view: a frame record is too short");
    return std::nullopt;
  }
  const auto handled = take<std::uint64_t>(payload, 0);
  const auto width = take<std::uint32_t>(payload, 8);
  const auto height = take<std::uint32_t>(payload, 12);
  const double scale = take<std::uint32_t>(payload, 16) / 1000.0;
  const std::uint64_t pixelCount = static_cast<std::uint64_t>(width) * height;
  if (width == 0 || height == 0 || pixelCount > static_cast<std::uint64_t>(graphics::Image::kMaximumPixelCount) ||
      payload.size() != kFrameHeaderLength + pixelCount * 4 || !(scale > 0)) {
    foundation::systemLog("remote view: a frame record does not hold the picture it announces");
    return std::nullopt;
  }
  std::vector<std::uint32_t> pixels(pixelCount);
  std::memcpy(pixels.data(), payload.data() + kFrameHeaderLength, pixelCount * 4);
  auto image = graphics::Image::fromPremultipliedARGB(static_cast<int>(width), static_cast<int>(height),
                                                      std::move(pixels), scale);
  if (!image) return std::nullopt;
  return Frame{handled, std::move(*image)};
}

bool writeMessage(int socket, MessageKind kind, std::string_view payload) {
  if (payload.size() > kMaximumPayloadLength) return false;
  std::string header;
  putUInt32(header, static_cast<std::uint32_t>(kind));
  putUInt32(header, static_cast<std::uint32_t>(payload.size()));
  return writeAll(socket, header.data(), header.size()) && writeAll(socket, payload.data(), payload.size());
}

std::optional<Message> readMessage(int socket) {
  char header[kHeaderLength];
  if (!readAll(socket, header, kHeaderLength)) return std::nullopt;
  const std::string_view view(header, kHeaderLength);
  const auto kind = take<std::uint32_t>(view, 0);
  const auto length = take<std::uint32_t>(view, 4);
  if (length > kMaximumPayloadLength) return std::nullopt;
  std::string payload(length, '\0');
  if (!readAll(socket, payload.data(), length)) return std::nullopt;
  return Message{static_cast<MessageKind>(kind), std::move(payload)};
}

bool waitReadable(int socket, double seconds) {
  pollfd descriptor{socket, POLLIN, 0};
  const int milliseconds = static_cast<int>(std::max(0.0, seconds) * 1000);
  int ready = 0;
  do {
    ready = ::poll(&descriptor, 1, milliseconds);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

}  // namespace platform::web
