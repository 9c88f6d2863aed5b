#include "settings/repositories/ThemeDownload.h"

#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/ImageCodec.h"
#include "settings/repositories/RepositoryPaths.h"

namespace vantile::settings::repositories {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> contentFault(const std::string& body, DownloadedContent content) {
  switch (content) {
    case DownloadedContent::ThemeDocument: {
      const auto document = platform::foundation::parseValue(body);
      if (!document || !document->is_object()) return "not a JSON object";
      const auto preset = document->find("PresetView");
      if (preset == document->end() || !preset->is_object()) return "no \"PresetView\"";
      return std::nullopt;
    }
    case DownloadedContent::Picture:
      if (!platform::graphics::decodeImage(body)) return "not a picture";
      return std::nullopt;
    case DownloadedContent::AnyFile:
      return std::nullopt;
  }
  return "unknown content";
}

bool isImageSetOrWidget(std::string_view item) {
  for (const std::string_view kind : {"weathericons", "signalimages", "wifiimages", "htmlWebview"})
    if (item.find(kind) != std::string_view::npos) return true;
  return false;
}

std::string_view withoutLeadingSpaces(std::string_view item) {
  const std::size_t start = item.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : item.substr(start);
}

bool downloadItem(const RepositorySource& source, const CatalogueTheme& theme, const std::string& item,
                  const fs::path& themesFolder, const fs::path& assetsFolder, const DownloadLimits& limits) {
  if (isImageSetOrWidget(item)) return false;
  const bool isDocument = item == theme.name + ".json";
  const bool isPreview = item == theme.name + ".jpg";
  const std::optional<fs::path> destination =
      safePathUnder(isDocument || isPreview ? themesFolder : assetsFolder, {item});
  const std::optional<std::string> address =
      repositoryAddress(source.baseAddress, source.repositoryId, {"themes", theme.name, item});
  if (!destination || !address) return false;
  const DownloadedContent content = isDocument ? DownloadedContent::ThemeDocument
                                    : isPreview ? DownloadedContent::Picture
                                                : DownloadedContent::AnyFile;
  return downloadFromURL(*address, *destination, content, limits);
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

DownloadReport downloadThemeFiles(const RepositorySource& source, const CatalogueTheme& theme,
                                  const fs::path& themesFolder, const fs::path& assetsFolder,
                                  const DownloadLimits& limits) {
  DownloadReport report;
  for (const std::string& written : theme.downloads) {
    const std::string item(withoutLeadingSpaces(written));
    if (!downloadItem(source, theme, item, themesFolder, assetsFolder, limits)) report.failedItems.push_back(item);
  }
  return report;
}

}  // namespace vantile::settings::repositories
