// A repository's themes in the library's grid: their pictures, the large preview and downloads.
#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/SwipeGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "settings/library/CreatorCell.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/ThemeLibraryPaths.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeCatalogue.h"

namespace vantile::settings {

namespace ui = platform::ui;
using platform::graphics::Image;
using platform::graphics::Rect;

namespace {

constexpr double kPictureTimeoutSeconds = 20;
constexpr std::size_t kPictureMaxBytes = 8 * 1024 * 1024;
constexpr double kDownloadStartDelay = 0.1;
constexpr double kCloseSide = 40;

// Fetches and decodes the picture on a worker; `show` runs on the main queue with a picture only.
void fetchPicture(std::string address, std::function<void(Image)> show) {
  platform::foundation::fetchURLInBackground(
      address, kPictureTimeoutSeconds, kPictureMaxBytes,
      [address, show = std::move(show)](std::optional<std::string> body) -> platform::foundation::Task {
        std::optional<Image> picture = body ? platform::graphics::decodeImage(*body) : std::nullopt;
        if (!picture) {
          platform::foundation::systemLog("The library shows no picture for " + address);
          return {};
        }
        return [show, picture = std::move(*picture)] { show(picture); };
      });
}

}  // namespace

std::vector<std::string> CreatorThemeDownloader::getThemesFromDict(const platform::Value& catalogue) {
  std::vector<std::string> names;
  if (const auto themes = repositories::catalogueThemes(catalogue)) {
    for (const repositories::CatalogueTheme& theme : *themes) names.push_back(theme.name);
  }
  std::ranges::sort(names, [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedStandardCompare(left, right) < 0;
  });
  return names;
}

std::shared_ptr<ui::View> CreatorThemeDownloader::setupRepoView(const std::string& repositoryId,
                                                                const platform::Value& catalogue) {
  repoURL = repositoryId;
  completionBlock = {};
  isForSB = false;
  themeNames = getThemesFromDict(catalogue);
  // What lists no theme counts as no catalogue: the grid shows the installed themes.
  if (themeNames.empty()) {
    githubDict = platform::Value::object();
    themeNames = getLocalThemes();
  } else {
    githubDict = catalogue;
  }
  buildGridView();
  const Rect host = view ? view->bounds() : themeDownloaderView->bounds();
  themeDownloaderView->addSubview(
      closeButtonWithFrame({host.width() / 2 - kCloseSide / 2, host.height() - 90, kCloseSide, kCloseSide}, 1));
  return themeDownloaderView;
}

void CreatorThemeDownloader::openRepoList() {
  closeViewController();
  if (view) view->addSubview(browser_.showRepos(view));
}

void CreatorThemeDownloader::loadRepositoryPicture(const std::shared_ptr<ui::CollectionViewCell>& cell,
                                                   const std::string& name) {
  const auto themeCell = std::dynamic_pointer_cast<CreatorCell>(cell);
  if (!themeCell) return;
  const std::optional<repositories::CatalogueTheme> theme = repositories::catalogueTheme(githubDict, name);
  const std::optional<std::string> address =
      theme && pictureAddress ? pictureAddress(repoURL, name, theme->img) : std::nullopt;
  if (!address) {
    platform::foundation::systemLog("The repository grid has no picture address for the theme " + name);
    return;
  }
  const std::uint64_t load = ++pictureLoadCount_;
  themeCell->pictureLoad = load;
  fetchPicture(*address, [weakCell = std::weak_ptr<CreatorCell>(themeCell), load, name](const Image& picture) {
    const auto strong = weakCell.lock();
    // Reused for another theme since: this picture is not its own.
    if (!strong || strong->pictureLoad != load) return;
    strong->imageView()->setImage(picture);
    strong->uiLabel()->setText(name);
  });
}

void CreatorThemeDownloader::showBigPreviewForTheme(const std::string& name) {
  if (!view || !themeDownloaderView) return;
  const Rect host = view->frame();
  previewView = ui::View::make(view->bounds());
  previewView->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0.8});
  auto picture = ui::ImageView::make(Rect{0, 0, host.width(), host.height()});
  picture->setContentMode(ui::ContentMode::scaleAspectFit);
  previewView->addSubview(picture);
  if (const std::optional<std::string> address = repositories::largePreviewAddress(repoURL, name)) {
    fetchPicture(*address, [weakPicture = std::weak_ptr<ui::ImageView>(picture)](const Image& image) {
      if (const auto strong = weakPicture.lock()) strong->setImage(image);
    });
  }

  auto close = ui::View::make({host.width() / 2 - kCloseSide / 2, host.height() - 90, kCloseSide, kCloseSide});
  close->setBackgroundColor(platform::graphics::Color{0.333, 0.333, 0.333, 0.8});
  close->layer()->setCornerRadius(kCloseSide / 2);
  close->setClipsToBounds(true);
  auto closeImage = ui::ImageView::make(Rect{5, 5, 30, 30});
  closeImage->setContentMode(ui::ContentMode::scaleAspectFit);
  closeImage->setImage(getUIImageFromURL(kCloseImageAddress));
  close->addSubview(closeImage);
  const auto closeAction = [library = weakLibrary()](ui::GestureRecognizer&) {
    if (const auto strong = library.lock()) strong->closePreview();
  };
  close->addGestureRecognizer(ui::TapGestureRecognizer::make(closeAction));
  previewView->addSubview(close);
  previewView->addGestureRecognizer(ui::SwipeGestureRecognizer::make(ui::SwipeDirection::down, closeAction));
  themeDownloaderView->addSubview(previewView);
}

void CreatorThemeDownloader::closePreview() {
  if (previewView) previewView->removeFromSuperview();
  previewView.reset();
}

void CreatorThemeDownloader::showDownloadingTheme(const std::string& name) {
  if (!themeDownloaderView) return;
  auto popup = loadingPopup("Downloading Theme");
  themeDownloaderView->addSubview(popup);
  // The popup shows before the download starts.
  platform::foundation::MainQueue::shared().postAfter(kDownloadStartDelay, [library = weakLibrary(), name, popup] {
    if (const auto strong = library.lock()) strong->startDownload(name, popup);
  });
}

void CreatorThemeDownloader::startDownload(const std::string& name, const std::shared_ptr<ui::View>& popup) {
  std::optional<repositories::CatalogueTheme> theme = repositories::catalogueTheme(githubDict, name);
  if (!theme) {
    if (popup) popup->removeFromSuperview();
    showError("The theme " + name + " is not in the repository's catalogue.");
    return;
  }
  repositories::downloadTheme(repoURL, std::move(*theme),
                              [library = weakLibrary(), popup](const repositories::DownloadReport& report) {
                                if (popup) popup->removeFromSuperview();
                                if (const auto strong = library.lock()) strong->alertThemeDownloaded(report);
                              });
}

void CreatorThemeDownloader::alertThemeDownloaded(const repositories::DownloadReport& report) {
  auto alert = ui::AlertController::make("Vantile",
                                         report.succeeded() ? std::string("Theme Downloaded") : report.failureMessage(),
                                         ui::AlertController::Style::alert);
  alert->addAction({"Ok", ui::AlertAction::Style::normal, {}});
  // Applying needs the theme's document; a failed asset alone does not stop it.
  if (report.themeDocumentPresent) {
    const std::string name = report.themeName;
    alert->addAction({"Apply To LS", ui::AlertAction::Style::normal, [library = weakLibrary(), name] {
                        if (const auto strong = library.lock()) strong->setThemeForTweak(name, false);
                      }});
    alert->addAction({"Apply To SB", ui::AlertAction::Style::normal, [library = weakLibrary(), name] {
                        if (const auto strong = library.lock()) strong->setThemeForTweak(name, true);
                      }});
  }
  presentAlert(alert);
}

}  // namespace vantile::settings
