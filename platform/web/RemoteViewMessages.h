#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Image.h"

// The records the remote view channel carries over its stream socket: a kind, a payload
// length and the payload. The host sends the service protocol's messages in order; the service
// answers once that it is ready (or why it refuses) and then sends frames of its view, each
// saying how many of the host's messages it has handled.
namespace platform::web {

enum class MessageKind : std::uint32_t {
  // Host to service. The first record: the view controller class and the service protocol
  // asked for, as "<class>\n<protocol>"; the service answers ready or refused.
  init = 1,
  setWebViewURL = 2,
  callJavascript = 3,
  // Service to host.
  ready = 10,
  refused = 11,
  frame = 12,
};

struct Message {
  MessageKind kind;
  std::string payload;
};

// Anything longer is a broken stream, not a record.
inline constexpr std::uint32_t kMaximumPayloadLength = 64u * 1024u * 1024u;

struct Frame {
  // How many messages after init the service had handled when it drew this frame.
  std::uint64_t handledMessages = 0;
  graphics::Image image;
};

std::string encodeFrame(std::uint64_t handledMessages, int width, int height, double scale,
                        const std::uint8_t* argbRows, int bytesPerRow);
// Nothing (logged) when the payload is not a whole frame of an acceptable size.
std::optional<Frame> decodeFrame(std::string_view payload);

// Blocking whole-record writes and reads on a stream socket. A write to a closed peer fails
// instead of raising SIGPIPE.
bool writeMessage(int socket, MessageKind kind, std::string_view payload);
// Nothing on end of stream, an error or a record that cannot be one.
std::optional<Message> readMessage(int socket);
// Waits at most `seconds` for the socket to become readable; false on timeout.
bool waitReadable(int socket, double seconds);

}  // namespace platform::web
