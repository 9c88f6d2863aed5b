#pragma once

#include <memory>
#include <string_view>

#include "platform/preferences/ListController.h"
#include "platform/ui/navigation/BarButtonItem.h"

namespace vantile::settings {

// The installed themes, a tap applying one to the lock screen.
class LSTheme : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "LSTheme";

  static std::shared_ptr<LSTheme> make();
  explicit LSTheme(ConstructionKey key) : ListController(key) {}

  const std::shared_ptr<platform::ui::View>& themeDownloader() const { return themeDownloader_; }

 private:
  std::shared_ptr<platform::ui::View> themeDownloader_;
};

// The installed themes, a tap applying one to the home screen; "Respring" in the bar.
class SBTheme : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "SBTheme";

  static std::shared_ptr<SBTheme> make();
  explicit SBTheme(ConstructionKey key) : ListController(key) {}

  const std::shared_ptr<platform::ui::View>& themeDownloader() const { return themeDownloader_; }
  void respring();

 private:
  std::shared_ptr<platform::ui::View> themeDownloader_;
  std::shared_ptr<platform::ui::BarButtonItem> respringButton_;
};

// The repository browser, opened once the first built-in repository's catalogue arrived;
// empty while it has not (or never does).
class DownloadTheme : public platform::preferences::ListController {
 public:
  static constexpr std::string_view className = "DownloadTheme";
  static constexpr std::string_view kWallpapersAddress = "https://kestrune.com/vantile/wallpapers";

  static std::shared_ptr<DownloadTheme> make();
  explicit DownloadTheme(ConstructionKey key) : ListController(key) {}

  const std::shared_ptr<platform::ui::View>& themeDownloader() const { return themeDownloader_; }
  void wallpapers();

 private:
  void requestCatalogue();
  void showLibrary(const platform::Value& catalogue);

  std::shared_ptr<platform::ui::View> themeDownloader_;
  std::shared_ptr<platform::ui::BarButtonItem> wallpaperButton_;
};

}  // namespace vantile::settings
