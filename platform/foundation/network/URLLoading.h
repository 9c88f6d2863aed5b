#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/queues/MainQueue.h"

// Reading a web resource, always bounded: in time and in size.
namespace platform::foundation {

// The body of an "http://" or "https://" address (HTTPS certificates and host names verified,
// up to five redirects, to http or https only), fetched on the calling thread. Nothing, and
// one log line with the reason, for any other address, a failure to connect, a status other
// than 2xx, no complete answer within `timeoutSeconds`, or a body larger than `maxBytes`.
std::optional<std::string> fetchURL(std::string_view url, double timeoutSeconds, std::size_t maxBytes);

// Starts the transfer library from this thread. Work that calls fetchURL on a worker calls this
// first, before the worker exists, so the library's clean-up at exit comes after the workers
// have let go of their per-thread state (fetchURLInBackground does it itself).
void startURLLoading();

// The same transfer on a worker thread (WorkerQueue). `then` runs on the worker too, with what
// came back, so the body can be decoded there; the task it returns runs on the main queue.
void fetchURLInBackground(std::string url, double timeoutSeconds, std::size_t maxBytes,
                          std::function<Task(std::optional<std::string>)> then);

}  // namespace platform::foundation
