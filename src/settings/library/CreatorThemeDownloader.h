#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/lists/CollectionView.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/ViewController.h"
#include "settings/repositories/RepositoryBrowser.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeDownloadSession.h"

namespace platform::ui {
class GestureRecognizer;
class TextField;
}  // namespace platform::ui

namespace vantile::settings {

// The theme library: builds the grid of the installed themes (or of a repository's themes),
// hands its view to the host, and is the grid's data source, delegate and action target. One
// per process; every entry sets it up again for the new host.
//
// Its members are spread by job:
//   CreatorThemeDownloader.cpp   entry, local theme list, grid data source and taps
//   ThemeLibrarySearch.cpp       the search field's delegate
//   ThemeLibraryApply.cpp        applying a theme to the tweak
//   ThemeLibraryMenus.cpp        long press, the picker menu, deleting
//   ThemeLibraryRepository.cpp   the repository grid, its pictures, large preview and downloads
//   ThemeLibraryViews.cpp        the shared view builders and alerts
class CreatorThemeDownloader final : public platform::ui::CollectionViewDataSource,
                                     public platform::ui::CollectionViewDelegate,
                                     public platform::ui::TextFieldDelegate,
                                     public repositories::RepositoryBrowserHost,
                                     public std::enable_shared_from_this<CreatorThemeDownloader> {
 public:
  using Completion = std::function<void(const std::string& themeName)>;

  static constexpr const char* kCellIdentifier = "cellIdentifier";
  static constexpr std::string_view kDefaultTheme = "time";
  static constexpr double kItemWidth = 92.5;
  static constexpr double kItemHeight = 200;

  static CreatorThemeDownloader& sharedInstance();
  // A library of its own (tests); the process uses sharedInstance.
  static std::shared_ptr<CreatorThemeDownloader> make();

  CreatorThemeDownloader();
  ~CreatorThemeDownloader() override;
  CreatorThemeDownloader(const CreatorThemeDownloader&) = delete;
  CreatorThemeDownloader& operator=(const CreatorThemeDownloader&) = delete;

  // --- Entry and local grid ---

  // A non-empty dictionary opens the repository browser; an empty one the installed themes,
  // a picker when there is a completion. The host adds the returned view to its own.
  std::shared_ptr<platform::ui::View> setupMainView(const std::shared_ptr<platform::ui::View>& host,
                                                    const platform::Value& dict, bool isForSB, Completion completion);
  // The installed themes' names (".json" files, without the extension), in the Finder's order.
  static std::vector<std::string> getLocalThemes();
  void reloadGrid();
  void closeViewController();

  // CollectionViewDataSource and CollectionViewDelegate.
  bool implements(platform::ui::CollectionViewDataSource::Operation) const override { return false; }
  bool implements(platform::ui::CollectionViewDelegate::Operation) const override { return true; }
  int numberOfItemsInSection(platform::ui::CollectionView& collectionView, int section) override;
  std::shared_ptr<platform::ui::CollectionViewCell> cellForItemAtIndexPath(platform::ui::CollectionView& collectionView,
                                                                           platform::ui::IndexPath indexPath) override;
  platform::graphics::Size sizeForItemAtIndexPath(platform::ui::CollectionView&,
                                                  const platform::ui::CollectionViewFlowLayout&,
                                                  platform::ui::IndexPath) override;
  void didSelectItemAtIndexPath(platform::ui::CollectionView& collectionView,
                                platform::ui::IndexPath indexPath) override;

  // The name at the place; nothing outside the list.
  std::optional<std::string> themeNameAt(platform::ui::IndexPath indexPath) const;

  // --- Search (ThemeLibrarySearch.cpp) ---

  bool implements(platform::ui::TextFieldDelegate::Operation operation) const override;
  bool textField(platform::ui::TextField& field, platform::ui::TextRange range,
                 const std::string& replacement) override;
  bool textFieldShouldClear(platform::ui::TextField& field) override;
  bool textFieldShouldReturn(platform::ui::TextField& field) override;
  // Queued: the search field resigns on the next turn of the main queue.
  void closeKeyboard();

  // --- Apply (ThemeLibraryApply.cpp) ---

  // For the screen isForSB names.
  void setThemeForTweak(const std::string& name);
  void setThemeForTweak(const std::string& name, bool forHomeScreen);
  void alertThemeApplied();

  // --- Long press, menus and deleting (ThemeLibraryMenus.cpp) ---

  void handleLongPress(platform::ui::GestureRecognizer& recognizer);
  void showCreatorMenuForTheme(const std::string& name);
  void showOptionsMenuForTheme(const std::string& name);
  void cantDelete();
  void deleteFileAtPath(const std::string& path);

  // --- Repository grid, large preview and downloads (ThemeLibraryRepository.cpp) ---

  // RepositoryBrowserHost: the grid of the catalogue's themes (the installed ones when it lists
  // none), with a close button back to the list.
  std::shared_ptr<platform::ui::View> setupRepoView(const std::string& repositoryId,
                                                    const platform::Value& catalogue) override;
  void openRepoList();
  void showBigPreviewForTheme(const std::string& name);
  void closePreview();
  // After "Downloading Theme" shows: fetches the theme, then removes the popup and reports.
  void startDownload(const std::string& name, const std::shared_ptr<platform::ui::View>& popup);
  void alertThemeDownloaded(const repositories::DownloadReport& report);
  // The catalogue's theme names, in the Finder's order.
  static std::vector<std::string> getThemesFromDict(const platform::Value& catalogue);

  // --- Shared views and alerts (ThemeLibraryViews.cpp) ---

  // Type 0 closes the library, type 1 goes back to the repository list, others do nothing.
  std::shared_ptr<platform::ui::View> closeButtonWithFrame(const platform::graphics::Rect& frame, int actionType);
  static std::shared_ptr<platform::ui::BlurView> blurViewWithBounds(const platform::graphics::Rect& bounds);
  static std::shared_ptr<platform::ui::View> loadingPopup(const std::string& text);
  // Files of the device ("file:///..."), read at once; nothing for other addresses, which
  // only load in the background.
  static std::optional<platform::graphics::Image> getUIImageFromURL(std::string_view address);
  void showError(const std::string& message) const;
  std::shared_ptr<platform::ui::ViewController> topViewController() const override;

  // --- State ---

  std::shared_ptr<platform::ui::CollectionView> collectionView;
  std::shared_ptr<platform::ui::View> themeDownloaderView;
  std::vector<std::string> themeNames;
  platform::Value githubDict = platform::Value::object();
  bool isForSB = false;
  std::shared_ptr<platform::ui::View> view;
  std::shared_ptr<platform::ui::View> previewView;
  std::shared_ptr<platform::ui::View> repoView;
  std::string repoURL;
  Completion completionBlock;
  std::shared_ptr<platform::ui::TextField> searchFieldView;
  // Where a repository theme's grid picture is fetched from: the repository's file by default.
  std::function<std::optional<std::string>(std::string_view repositoryId, std::string_view themeName,
                                           std::string_view file)>
      pictureAddress = repositories::themeFileAddress;

 private:
  // The common part of both grids: the dimmed, blurred view with the grid inside.
  void buildGridView();
  void configureCell(const std::shared_ptr<platform::ui::CollectionViewCell>& cell, const std::string& name);
  void loadRepositoryPicture(const std::shared_ptr<platform::ui::CollectionViewCell>& cell, const std::string& name);
  void showDownloadingTheme(const std::string& name);
  void presentAlert(const std::shared_ptr<platform::ui::ViewController>& alert) const;
  std::weak_ptr<CreatorThemeDownloader> weakLibrary();

  repositories::RepositoryBrowser browser_{*this};
  // Counts the cells' picture loads: a load whose cell has taken another since is dropped.
  std::uint64_t pictureLoadCount_ = 0;
};

}  // namespace vantile::settings
