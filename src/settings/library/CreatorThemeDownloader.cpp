// The library's entry, the installed themes and the grid's cells and taps.
#include "settings/library/CreatorThemeDownloader.h"

#include <algorithm>
#include <limits>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "settings/library/CreatorCell.h"
#include "settings/library/ThemeLibraryPaths.h"

namespace vantile::settings {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Rect;

namespace {

constexpr double kGridTop = 40;
constexpr double kGridInset = 30;
constexpr double kLongPressDuration = 0.3;
constexpr double kCellAppearDuration = 0.3;
constexpr double kSearchWidth = 120;
constexpr double kSearchHeight = 30;
constexpr double kSearchTop = 80;
constexpr double kCloseSide = 40;

bool isEmptyDictionary(const platform::Value& dict) { return !dict.is_object() || dict.empty(); }

}  // namespace

CreatorThemeDownloader& CreatorThemeDownloader::sharedInstance() {
  static const std::shared_ptr<CreatorThemeDownloader> library = make();
  return *library;
}

std::shared_ptr<CreatorThemeDownloader> CreatorThemeDownloader::make() {
  return std::make_shared<CreatorThemeDownloader>();
}

CreatorThemeDownloader::CreatorThemeDownloader() = default;
CreatorThemeDownloader::~CreatorThemeDownloader() = default;

std::weak_ptr<CreatorThemeDownloader> CreatorThemeDownloader::weakLibrary() { return weak_from_this(); }

std::shared_ptr<ui::View> CreatorThemeDownloader::setupMainView(const std::shared_ptr<ui::View>& host,
                                                                const platform::Value& dict, bool forHomeScreen,
                                                                Completion completion) {
  completionBlock = std::move(completion);
  if (!host) return nullptr;
  if (!isEmptyDictionary(dict)) {
    view = host;
    return browser_.showRepos(host);
  }
  themeNames = getLocalThemes();
  isForSB = forHomeScreen;
  githubDict = platform::Value::object();
  view = host;
  buildGridView();

  const double width = themeDownloaderView->bounds().width();
  searchFieldView = ui::TextField::make({width / 2 - kSearchWidth / 2, kSearchTop, kSearchWidth, kSearchHeight});
  searchFieldView->setBackgroundColor(Color{27.0 / 255, 27.0 / 255, 27.0 / 255, 1});
  searchFieldView->setPlaceholder("Search");
  searchFieldView->setTextAlignment(ui::TextAlignment::center);
  searchFieldView->setTextColor({1, 1, 1, 1});
  searchFieldView->setFont(platform::graphics::systemFont(14));
  searchFieldView->setBorderStyle(ui::TextField::BorderStyle::roundedRect);
  searchFieldView->setReturnKeyType(ui::TextField::ReturnKeyType::done);
  searchFieldView->setAutocorrectionType(ui::TextField::AutocorrectionType::no);
  searchFieldView->setAutocapitalizationType(ui::TextField::AutocapitalizationType::none);
  searchFieldView->setClearButtonMode(ui::TextField::ViewMode::always);
  searchFieldView->setDelegate(shared_from_this());
  searchFieldView->layer()->setName(std::string(kSearchFieldName));
  searchFieldView->layer()->setCornerRadius(15);
  themeDownloaderView->addSubview(searchFieldView);
  // Nothing here insets the grid below the bars, so its first row starts below the search field.
  ui::CollectionViewFlowLayout layout = collectionView->collectionViewLayout();
  layout.sectionInset.top = kSearchTop + kSearchHeight + kGridInset - kGridTop;
  collectionView->setCollectionViewLayout(layout);

  if (completionBlock) {
    const Rect hostBounds = host->bounds();
    themeDownloaderView->addSubview(closeButtonWithFrame(
        {hostBounds.width() / 2 - kCloseSide / 2, hostBounds.height() - 90, kCloseSide, kCloseSide}, 0));
  }
  return themeDownloaderView;
}

void CreatorThemeDownloader::buildGridView() {
  const Rect screen = ui::Screen::mainScreen().bounds();
  themeDownloaderView = ui::View::make({0, 0, screen.width(), screen.height()});
  themeDownloaderView->setBackgroundColor(Color{0, 0, 0, 0.6});
  themeDownloaderView->addSubview(blurViewWithBounds(themeDownloaderView->bounds()));

  const Rect area = themeDownloaderView->bounds();
  ui::CollectionViewFlowLayout layout;
  layout.sectionInset = {kGridInset, kGridInset, kGridInset, kGridInset};
  collectionView = ui::CollectionView::make({0, kGridTop, area.width(), area.height()}, layout);
  collectionView->setBackgroundColor(Color{0, 0, 0, 0});
  collectionView->setDataSource(shared_from_this());
  collectionView->setDelegate(shared_from_this());
  collectionView->registerCellClass<CreatorCell>(kCellIdentifier);
  auto longPress = ui::LongPressGestureRecognizer::make([library = weakLibrary()](ui::GestureRecognizer& recognizer) {
    if (const auto strong = library.lock()) strong->handleLongPress(recognizer);
  });
  longPress->setMinimumPressDuration(kLongPressDuration);
  collectionView->addGestureRecognizer(std::move(longPress));
  themeDownloaderView->addSubview(collectionView);
}

std::vector<std::string> CreatorThemeDownloader::getLocalThemes() {
  std::vector<std::string> names;
  for (const std::string& entry : platform::foundation::listFolder(platform::foundation::devicePath(kThemesFolder))) {
    const std::filesystem::path file(entry);
    if (file.extension() == ".json" && !file.stem().empty()) names.push_back(file.stem().string());
  }
  std::ranges::sort(names, [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedStandardCompare(left, right) < 0;
  });
  return names;
}

void CreatorThemeDownloader::reloadGrid() {
  if (!collectionView) return;
  collectionView->reloadData();
  collectionView->layoutIfNeeded();
}

void CreatorThemeDownloader::closeViewController() {
  if (themeDownloaderView) themeDownloaderView->removeFromSuperview();
}

int CreatorThemeDownloader::numberOfItemsInSection(ui::CollectionView&, int section) {
  if (section != 0) return 0;
  return static_cast<int>(std::min<std::size_t>(themeNames.size(), std::numeric_limits<int>::max()));
}

platform::graphics::Size CreatorThemeDownloader::sizeForItemAtIndexPath(ui::CollectionView&,
                                                                        const ui::CollectionViewFlowLayout&,
                                                                        ui::IndexPath) {
  return {kItemWidth, kItemHeight};
}

std::optional<std::string> CreatorThemeDownloader::themeNameAt(ui::IndexPath indexPath) const {
  if (indexPath.section != 0 || indexPath.item() < 0 ||
      static_cast<std::size_t>(indexPath.item()) >= themeNames.size()) {
    return std::nullopt;
  }
  return themeNames[static_cast<std::size_t>(indexPath.item())];
}

std::shared_ptr<ui::CollectionViewCell> CreatorThemeDownloader::cellForItemAtIndexPath(ui::CollectionView& grid,
                                                                                       ui::IndexPath indexPath) {
  auto cell = grid.dequeueReusableCell(kCellIdentifier, indexPath);
  const std::optional<std::string> name = themeNameAt(indexPath);
  if (cell && name) configureCell(cell, *name);
  return cell;
}

void CreatorThemeDownloader::configureCell(const std::shared_ptr<ui::CollectionViewCell>& cell,
                                           const std::string& name) {
  const auto themeCell = std::dynamic_pointer_cast<CreatorCell>(cell);
  if (!themeCell) return;
  themeCell->setBackgroundColor(Color{0, 0, 0, 1});
  themeCell->layer()->setCornerRadius(10);
  themeCell->setClipsToBounds(true);
  themeCell->setAlpha(0);
  themeCell->setTransform(platform::graphics::AffineTransform::scale(0, 0));
  if (isEmptyDictionary(githubDict)) {
    themeCell->imageView()->setImage(getUIImageFromURL(localPreviewAddress(name)));
    themeCell->uiLabel()->setText(name);
  } else {
    loadRepositoryPicture(themeCell, name);
  }
  ui::View::animate(kCellAppearDuration, 0, {}, [themeCell] {
    themeCell->setAlpha(1);
    themeCell->setTransform(platform::graphics::AffineTransform::identity());
  });
}

void CreatorThemeDownloader::didSelectItemAtIndexPath(ui::CollectionView&, ui::IndexPath indexPath) {
  // The place names the theme: a repository cell's label only shows once its picture came.
  const std::optional<std::string> name = themeNameAt(indexPath);
  if (!name) return;
  if (completionBlock) {
    // The host may open another library from the completion, which replaces this one.
    const Completion completion = completionBlock;
    completion(*name);
  } else if (!isEmptyDictionary(githubDict)) {
    showDownloadingTheme(*name);
  } else {
    setThemeForTweak(*name);
  }
}

}  // namespace vantile::settings
