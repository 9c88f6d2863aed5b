#include "platform/foundation/network/URLLoading.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/WorkerQueue.h"

namespace platform::foundation {

namespace {

constexpr long kMaximumRedirects = 5;
constexpr const char* kAllowedProtocols = "http,https";
// Loopback never goes through a proxy named in the environment.
constexpr const char* kNoProxy = "localhost,127.0.0.1,::1";

struct EasyHandleCleanup {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleCleanup>;

struct Body {
  std::string bytes;
  std::size_t maxBytes;
  bool tooLarge = false;
};

std::size_t appendToBody(char* data, std::size_t size, std::size_t count, void* context) {
  auto& body = *static_cast<Body*>(context);
  const std::size_t length = size * count;
  if (length > body.maxBytes - body.bytes.size()) {
    body.tooLarge = true;
    return 0;  // curl aborts the transfer
  }
  body.bytes.append(data, length);
  return length;
}

bool hasWebScheme(std::string_view url) {
  const auto startsWith = [url](std::string_view prefix) {
    return url.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), url.begin(), [](char expected, char actual) {
             return expected == std::tolower(static_cast<unsigned char>(actual));
           });
  };
  return startsWith("http://") || startsWith("https://");
}

bool initializeCurl() {
  static std::once_flag once;
  static bool initialized = false;
  std::call_once(once, [] { initialized = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return initialized;
}

std::optional<std::string> failure(std::string_view url, std::string_view reason) {
  systemLog("URL loading: " + std::string(reason) + " for " + std::string(url));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> fetchURL(std::string_view url, double timeoutSeconds, std::size_t maxBytes) {
  if (!hasWebScheme(url)) {
    return failure(url, "not a web address");
  }
  if (!std::isfinite(timeoutSeconds) || timeoutSeconds <= 0 || timeoutSeconds > 3600) {
    return failure(url, "no usable time limit");
  }
  if (!initializeCurl()) {
    return failure(url, "the transfer library did not start");
  }
  const EasyHandle handle{curl_easy_init()};
  if (!handle) {
    return failure(url, "no transfer could be made");
  }
  CURL* curl = handle.get();
  const std::string address(url);
  const auto timeoutMilliseconds = std::max(1L, std::lround(timeoutSeconds * 1000));
  Body body{.bytes = {}, .maxBytes = maxBytes};
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, kAllowedProtocols);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaximumRedirects);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, kNoProxy);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  // Signals cannot interrupt name lookups on other threads; timeouts still hold.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMilliseconds);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, timeoutMilliseconds);
  // Refuses an announced oversized body before it comes; the write callback catches the rest.
  const auto largestOffset = static_cast<std::size_t>(std::numeric_limits<curl_off_t>::max());
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(std::min(maxBytes, largestOffset)));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendToBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);

  const CURLcode result = curl_easy_perform(curl);
  if (body.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
    return failure(url, "the body is larger than " + std::to_string(maxBytes) + " bytes");
  }
  if (result != CURLE_OK) {
    return failure(url, curl_easy_strerror(result));
  }
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status > 299) {
    return failure(url, "status " + std::to_string(status));
  }
  return std::move(body.bytes);
}

void startURLLoading() { initializeCurl(); }

void fetchURLInBackground(std::string url, double timeoutSeconds, std::size_t maxBytes,
                          std::function<Task(std::optional<std::string>)> then) {
  // Started here, before the first worker exists: the transfer library's clean-up at exit then
  // comes after the workers have stopped and let go of their per-thread state.
  initializeCurl();
  WorkerQueue::shared().perform(
      [url = std::move(url), timeoutSeconds, maxBytes, then = std::move(then)]() -> Task {
        return then(fetchURL(url, timeoutSeconds, maxBytes));
      });
}

}  // namespace platform::foundation
