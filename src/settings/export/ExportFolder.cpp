#include "settings/export/ExportFolder.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "editor/themefiles/ThemeFileNames.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "settings/export/ExportItems.h"

namespace vantile::settings {

namespace {

namespace fs = std::filesystem;
using platform::foundation::devicePath;
using platform::foundation::systemLog;

constexpr std::string_view kAssets = "var/mobile/Library/VantileAssets";
constexpr int kWeatherIcons = 48;
constexpr int kSignalImages = 6;
constexpr int kWifiImages = 5;

// The source inside the device folder, or nothing when it is missing or a link leads out.
std::optional<fs::path> existingSource(const fs::path& source) {
  auto real = platform::foundation::pathInsideDeviceRoot(source);
  std::error_code error;
  if (!real || !fs::exists(*real, error)) return std::nullopt;
  return real;
}

// A target already there was copied by an earlier item of the same export.
void copyFileIfPresent(const fs::path& source, const fs::path& target) {
  const auto real = existingSource(source);
  if (!real) return;
  std::error_code error;
  if (fs::exists(target, error)) return;
  if (!fs::copy_file(*real, target, error)) {
    systemLog("Export: could not copy " + source.string() + " to " + target.string() + ": " + error.message());
  }
}

bool createFolder(const fs::path& folder, std::string_view failureFormat, std::vector<std::string>& failures) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error) return true;
  std::string message(failureFormat);
  message.append(" ").append(error.message());
  std::string line("Export: ");
  line.append(message).append(" (").append(folder.string()).append(")");
  systemLog(line);
  failures.push_back(std::move(message));
  return false;
}

std::string lastPart(std::string_view item) {
  const auto slash = item.rfind('/');
  return std::string(slash == std::string_view::npos ? item : item.substr(slash + 1));
}

void copyWidget(std::string_view item, const fs::path& destination, std::vector<std::string>& failures) {
  const auto start = item.find("/html/");
  if (start == std::string_view::npos) return;
  const std::string widget(item.substr(start + 6, item.find('/', start + 6) - (start + 6)));
  if (widget.empty() || widget == "." || widget == "..") {
    systemLog("Export: skipped \"" + std::string(item) + "\", it names no widget folder");
    return;
  }
  if (!createFolder(destination / "html", "Error creating theme folder", failures)) return;
  const auto source = existingSource(devicePath(std::string(kAssets) + "/html/" + widget));
  if (!source) return;
  std::error_code error;
  // A link inside the widget could lead anywhere in the device; the export keeps real files only.
  fs::copy(*source, destination / "html" / widget, fs::copy_options::recursive | fs::copy_options::skip_symlinks,
           error);
  if (error) systemLog("Export: could not copy the widget " + widget + ": " + error.message());
}

void copyNumberedImages(const fs::path& sourceSet, const fs::path& targetSet, int count) {
  for (int n = 0; n < count; ++n) {
    const std::string file = std::to_string(n) + ".png";
    copyFileIfPresent(sourceSet / file, targetSet / file);
  }
}

// A widget page names its folder by an absolute path, so only its folder name is checked;
// every other item is a path inside the assets folder.
void copyItem(const std::string& item, const fs::path& destination, std::vector<std::string>& failures) {
  const ExportItemKind kind = exportItemKind(item);
  if (kind != ExportItemKind::htmlWidget && !isSafeExportItem(item)) {
    systemLog("Export: skipped \"" + item + "\", it names a file outside the assets folder");
    return;
  }
  switch (kind) {
    case ExportItemKind::htmlWidget:
      copyWidget(item, destination, failures);
      return;
    case ExportItemKind::singleFile:
      copyFileIfPresent(devicePath(std::string(kAssets) + "/" + item), destination / item);
      return;
    case ExportItemKind::weatherIconSet:
      if (createFolder(destination / item, "Error creating weather icon folder", failures)) {
        copyNumberedImages(devicePath(std::string(kAssets) + "/weatherIcons/" + item), destination / item,
                           kWeatherIcons);
      }
      return;
    case ExportItemKind::signalOrWifiSet: {
      const bool wifi = item.find("wifiImages") != std::string::npos;
      const std::string kind = wifi ? "wifiImages" : "signalImages";
      const std::string set = lastPart(item);
      const fs::path target = destination / kind / set;
      if (createFolder(target, "Error creating wifi or signal folder", failures)) {
        copyNumberedImages(devicePath(std::string(kAssets) + "/" + kind + "/" + set), target,
                           wifi ? kWifiImages : kSignalImages);
      }
      return;
    }
  }
}

}  // namespace

std::vector<std::string> moveItems(const std::vector<std::string>& items, std::string_view themeName,
                                   std::string_view location) {
  const std::string name(themeName);
  if (!isAcceptableThemeFileName(name + ".json")) {
    systemLog("Export: the theme name \"" + name + "\" breaks the file-name rule; nothing was exported");
    return {"The theme name \"" + name + "\" cannot name a folder."};
  }
  std::vector<std::string> failures;
  fs::path root = devicePath(location);
  if (!root.has_filename()) root = root.parent_path();
  const fs::path destination = root / name;
  // The name is checked, so this holds; it guards the removal below all the same.
  if (destination.parent_path() != root || destination.filename() != name ||
      !platform::foundation::pathInsideDeviceRoot(root)) {
    systemLog("Export: " + destination.string() + " is not directly inside " + root.string() + "; nothing was exported");
    return {"The export folder of \"" + name + "\" is outside " + std::string(location) + "."};
  }
  std::error_code error;
  // A link in its place goes as a link: what it points at is not the export's.
  fs::remove_all(destination, error);
  if (error) systemLog("Export: could not remove the earlier export " + destination.string() + ": " + error.message());
  if (!createFolder(destination, "Error creating theme folder", failures)) return failures;

  for (const std::string& item : items) copyItem(item, destination, failures);

  const fs::path document = devicePath("var/mobile/Library/Vantile/themes/" + name + ".json");
  const fs::path copiedDocument = destination / (name + ".json");
  copyFileIfPresent(document, copiedDocument);
  if (!platform::foundation::fileExists(copiedDocument)) {
    systemLog("Export: the theme document of " + name + " was not copied");
    failures.push_back("The theme file " + name + ".json could not be copied.");
  }
  return failures;
}

}  // namespace vantile::settings
