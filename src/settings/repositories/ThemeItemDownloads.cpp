#include "settings/repositories/ThemeItemDownloads.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "settings/repositories/RepositoryPaths.h"
#include "settings/repositories/ThemeDownload.h"
#include "settings/repositories/ThemeItems.h"

namespace vantile::settings::repositories {

namespace fs = std::filesystem;

namespace {

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool looksLikePicture(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.ends_with(".png") || name.ends_with(".jpg") || name.ends_with(".jpeg");
}

// One theme's download, collecting what went wrong.
class ItemDownloader {
 public:
  ItemDownloader(const DownloadPlace& place, const CatalogueTheme& theme, DownloadReport& report)
      : place_(place), theme_(theme), report_(report) {}

  bool download(const std::string& item) {
    switch (themeItemKind(item)) {
      case ThemeItemKind::WeatherIcons:
        return imageSet({"weatherIcons", setFolderName(item)}, 48, "Error creating weather folder ",
                        [&](int n) { return place_.addresses.weatherIcon(theme_.name, setFolderName(item), n); });
      case ThemeItemKind::SignalImages:
        return pictureSet(item, "signalImages", 6);
      case ThemeItemKind::WifiImages:
        return pictureSet(item, "wifiImages", 5);
      case ThemeItemKind::HTMLWidget:
        return htmlWidget(item);
      case ThemeItemKind::SingleFile:
        return singleFile(singleFileName(item));
    }
    return false;
  }

 private:
  bool singleFile(const std::string& name) {
    // An empty item names the assets folder itself, which is there: nothing to fetch.
    if (name.empty()) return true;
    const bool isDocument = contains(name, ".json");
    const bool isPreview = contains(name, theme_.name + ".jpg");
    const auto destination = safePathUnder(isDocument || isPreview ? place_.themesFolder : place_.assetsFolder, {name});
    if (!destination) return false;
    if (!isDocument && platform::foundation::fileExists(*destination)) return true;
    const auto address = place_.addresses.themeFile(theme_.name, name);
    const DownloadedContent content = isDocument                 ? DownloadedContent::ThemeDocument
                                      : looksLikePicture(name) ? DownloadedContent::Picture
                                                                 : DownloadedContent::AnyFile;
    return address && downloadFromURL(*address, *destination, content, place_.limits);
  }

  bool pictureSet(const std::string& item, const std::string& kind, int count) {
    const std::string folder = setFolderName(item);
    return imageSet({kind, folder}, count, "Error creating wifi or signal folder ",
                    [&](int n) { return place_.addresses.imageSetFile(theme_.name, kind, folder, n); });
  }

  // Files "0.png" ... into the folder; the first file that cannot be had ends the set.
  template <typename Address>
  bool imageSet(const std::vector<std::string>& folderParts, int count, const std::string& folderError,
                Address address) {
    const auto folder = createdFolder(folderParts, folderError);
    if (!folder) return false;
    for (int n = 0; n < count; ++n) {
      const auto file = safePathUnder(place_.assetsFolder, withFile(folderParts, std::to_string(n) + ".png"));
      if (!file) return false;
      if (platform::foundation::fileExists(*file)) continue;
      const auto url = address(n);
      if (!url || !downloadFromURL(*url, *file, DownloadedContent::Picture, place_.limits)) return false;
    }
    return true;
  }

  bool htmlWidget(const std::string& item) {
    const std::vector<std::string> parts = itemParts(item);
    const std::string& firstPart = parts.front();
    const std::vector<std::string> folderParts{"html", withoutSpaces(firstPart)};
    if (!createdFolder(folderParts, "Error creating html folder ")) return false;
    bool fetchedAll = true;
    for (const std::string& part : parts) {
      if (part == firstPart || part == "htmlWebview") continue;
      const auto file = safePathUnder(place_.assetsFolder, withFile(folderParts, part));
      if (!file) {
        fetchedAll = false;
        continue;
      }
      if (platform::foundation::fileExists(*file)) continue;
      const auto url = place_.addresses.htmlWidgetFile(theme_.name, firstPart, folderParts[1], part);
      fetchedAll = url && downloadFromURL(*url, *file, DownloadedContent::AnyFile, place_.limits) && fetchedAll;
    }
    return fetchedAll;
  }

  static std::vector<std::string> withFile(std::vector<std::string> parts, std::string file) {
    parts.push_back(std::move(file));
    return parts;
  }

  // The folder under the assets folder, made when missing; a failure is reported with `error`.
  std::optional<fs::path> createdFolder(const std::vector<std::string>& parts, const std::string& error) {
    const auto folder = safePathUnder(place_.assetsFolder, parts);
    if (!folder) return std::nullopt;
    std::error_code failure;
    fs::create_directories(*folder, failure);
    if (failure || !platform::foundation::directoryExists(*folder)) {
      const std::string message = error + (failure ? failure.message() : "not a folder");
      platform::foundation::systemLog("Vantile: " + message);
      report_.messages.push_back(message);
      return std::nullopt;
    }
    return folder;
  }

  const DownloadPlace& place_;
  const CatalogueTheme& theme_;
  DownloadReport& report_;
};

std::string displayName(const std::string& item) {
  const std::string name = singleFileName(item);
  return name.empty() ? item : name;
}

}  // namespace

DownloadReport downloadThemeFiles(const DownloadPlace& place, const CatalogueTheme& theme) {
  DownloadReport report;
  report.themeName = theme.name;
  const bool safeTheme = isSafePathComponent(theme.name);
  ItemDownloader downloader(place, theme, report);
  for (const std::string& item : theme.downloads) {
    if (!safeTheme || !downloader.download(item)) report.failedItems.push_back(displayName(item));
  }
  if (safeTheme) {
    const auto document = safePathUnder(place.themesFolder, {theme.name + ".json"});
    const auto text = document ? platform::foundation::readFile(*document) : std::nullopt;
    report.themeDocumentPresent = text && isThemeDocument(*text);
  }
  return report;
}

}  // namespace vantile::settings::repositories
