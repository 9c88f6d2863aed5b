#include "settings/repositories/ThemeDownload.h"

#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/ImageCodec.h"

namespace vantile::settings::repositories {

namespace fs = std::filesystem;

bool isThemeDocument(std::string_view text) {
  const auto document = platform::foundation::parseValue(text);
  if (!document || !document->is_object()) return false;
  const auto preset = document->find("PresetView");
  return preset != document->end() && preset->is_object();
}

namespace {

std::optional<std::string> contentFault(const std::string& body, DownloadedContent content) {
  switch (content) {
    case DownloadedContent::ThemeDocument:
      if (!isThemeDocument(body)) return "not a theme document with a \"PresetView\"";
      return std::nullopt;
    case DownloadedContent::Picture:
      if (!platform::graphics::decodeImage(body)) return "not a picture";
      return std::nullopt;
    case DownloadedContent::AnyFile:
      return std::nullopt;
  }
  return "unknown content";
}

}  // namespace

std::optional<std::string> acceptDownload(const std::optional<std::string>& body, DownloadedContent content,
                                          const fs::path& destination) {
  if (!body) return "no complete answer";
  if (auto fault = contentFault(*body, content)) return fault;
  if (!platform::foundation::writeFileAtomically(destination, *body)) return "could not be written";
  return std::nullopt;
}

bool downloadFromURL(const std::string& url, const fs::path& destination, DownloadedContent content,
                     const DownloadLimits& limits) {
  const auto body = platform::foundation::fetchURL(url, limits.timeoutSeconds, limits.maxBytes);
  const std::optional<std::string> fault = acceptDownload(body, content, destination);
  if (fault) platform::foundation::systemLog("Vantile: kept " + destination.string() + ": " + *fault);
  return !fault;
}

}  // namespace vantile::settings::repositories
