#include "settings/library/ThemeLibraryPanes.h"

#include "platform/ui/views/Application.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/FirstRepositoryCatalogue.h"
#include "settings/panes/Respring.h"

namespace vantile::settings {

namespace {

// The installed themes' grid inside the pane's view, applying to the given screen.
std::shared_ptr<platform::ui::View> openLocalGrid(platform::preferences::ListController& pane, bool forHomeScreen) {
  const auto paneView = pane.view();
  auto grid =
      CreatorThemeDownloader::sharedInstance().setupMainView(paneView, platform::Value::object(), forHomeScreen, {});
  if (grid) paneView->addSubview(grid);
  return grid;
}

}  // namespace

std::shared_ptr<LSTheme> LSTheme::make() {
  auto pane = std::make_shared<LSTheme>(ConstructionKey{});
  pane->themeDownloader_ = openLocalGrid(*pane, false);
  return pane;
}

std::shared_ptr<SBTheme> SBTheme::make() {
  auto pane = std::make_shared<SBTheme>(ConstructionKey{});
  pane->respringButton_ = platform::ui::BarButtonItem::make("Respring", [weak = std::weak_ptr<SBTheme>(pane)] {
    if (const auto strong = weak.lock()) strong->respring();
  });
  pane->navigationItem().setRightBarButtonItem(pane->respringButton_);
  pane->themeDownloader_ = openLocalGrid(*pane, true);
  return pane;
}

void SBTheme::respring() {
  settings::respring();
}

std::shared_ptr<DownloadTheme> DownloadTheme::make() {
  auto pane = std::make_shared<DownloadTheme>(ConstructionKey{});
  pane->wallpaperButton_ = platform::ui::BarButtonItem::make("Wallpapers", [weak = std::weak_ptr<DownloadTheme>(pane)] {
    if (const auto strong = weak.lock()) strong->wallpapers();
  });
  pane->navigationItem().setRightBarButtonItem(pane->wallpaperButton_);
  pane->requestCatalogue();
  return pane;
}

void DownloadTheme::wallpapers() { platform::ui::Application::shared().openURL(std::string(kWallpapersAddress)); }

void DownloadTheme::requestCatalogue() {
  // A pane the user has left by the time the answer comes has nothing to show it in.
  fetchFirstRepositoryCatalogue([weak = std::weak_ptr<DownloadTheme>(std::static_pointer_cast<DownloadTheme>(
                                     shared_from_this()))](const platform::Value& catalogue) {
    if (const auto strong = weak.lock()) strong->showLibrary(catalogue);
  });
}

void DownloadTheme::showLibrary(const platform::Value& catalogue) {
  const auto paneView = view();
  themeDownloader_ = CreatorThemeDownloader::sharedInstance().setupMainView(paneView, catalogue, false, {});
  if (themeDownloader_) paneView->addSubview(themeDownloader_);
}

}  // namespace vantile::settings
