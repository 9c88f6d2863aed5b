#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"
#include "settings/library/CreatorCell.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "testing/LoopbackServer.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings {
namespace {

namespace ui = platform::ui;

platform::Value catalogueOf(const std::vector<std::string>& names) {
  platform::Value themes = platform::Value::object();
  for (const std::string& name : names) themes[name] = {{"downloads", std::string("[").append(name).append(".json]")}, {"img", name + ".jpg"}};
  return {{"Themes", themes}};
}

class RepositoryGrid : public ::testing::Test {
 protected:
  RepositoryGrid() {
    window->setRootViewController(controller);
    window->makeKeyAndVisible();
  }

  std::shared_ptr<ui::View> open(const platform::Value& catalogue) {
    library->view = controller->view();
    auto shown = library->setupRepoView("owner/themes", catalogue);
    controller->view()->addSubview(shown);
    library->collectionView->layoutIfNeeded();
    return shown;
  }
  std::shared_ptr<ui::AlertController> shownAlert() const {
    return std::dynamic_pointer_cast<ui::AlertController>(controller->presentedViewController());
  }
  static std::vector<std::string> actionTitles(const ui::AlertController& alert) {
    std::vector<std::string> titles;
    for (const ui::AlertAction& action : alert.actions()) titles.push_back(action.title);
    return titles;
  }
  std::shared_ptr<CreatorCell> cellAt(int item) const {
    return std::dynamic_pointer_cast<CreatorCell>(
        library->collectionView->cellForItemAtIndexPath(ui::IndexPath{0, item}));
  }
  // The background transfers answered and their results shown.
  static void finishTransfers() {
    ASSERT_TRUE(platform::foundation::WorkerQueue::shared().waitUntilIdle(20));
    platform::foundation::MainQueue::shared().runPending();
  }

  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<ui::ViewController> controller = ui::ViewController::make();
  std::shared_ptr<CreatorThemeDownloader> library = CreatorThemeDownloader::make();
};

TEST_F(RepositoryGrid, ListsTheCatalogueInNumericOrderOrTheInstalledThemesWhenItListsNone) {
  const auto shown = open(catalogueOf({"b10", "b2", "A"}));
  EXPECT_EQ(library->themeNames, (std::vector<std::string>{"A", "b2", "b10"}));
  EXPECT_EQ(library->repoURL, "owner/themes");
  EXPECT_FALSE(library->searchFieldView);

  root.writeFile("/var/mobile/Library/Vantile/themes/Local.json", "{}");
  for (const platform::Value& notACatalogue :
       {platform::Value::object(), platform::Value{{"Themes", "none"}}, platform::Value::array()}) {
    open(notACatalogue);
    EXPECT_EQ(library->themeNames, (std::vector<std::string>{"Local"})) << notACatalogue.dump();
    EXPECT_TRUE(library->githubDict.empty());
  }
}

TEST_F(RepositoryGrid, ATapShowsDownloadingThemeFirstAndReportsTheFailedDownloadWithoutApply) {
  const vantile::testing::LoopbackHTTPServer nothingThere(vantile::testing::LoopbackHTTPServer::response(404, ""));
  root.writeFile("/device.json", platform::Value{{"repositories", {{"host", nothingThere.url("/")}}}}.dump());
  open(catalogueOf({"Harbour"}));
  platform::foundation::MainQueue::shared().advance(1);
  ui::TouchInjector(window).tap({30 + 92.5 / 2, 40 + 30 + 100});
  platform::foundation::MainQueue::shared().runPending();
  const auto& shown = library->themeDownloaderView->subviews();
  const auto popup = shown.back();
  const auto label = std::dynamic_pointer_cast<ui::Label>(popup->subviews().back());
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text(), "Downloading Theme");
  EXPECT_FALSE(shownAlert());

  platform::foundation::MainQueue::shared().advance(0.1);
  finishTransfers();
  EXPECT_FALSE(popup->superview());
  const auto alert = shownAlert();
  ASSERT_TRUE(alert);
  EXPECT_NE(alert->message(), "Theme Downloaded");
  EXPECT_EQ(actionTitles(*alert), (std::vector<std::string>{"Ok"}));
}

TEST_F(RepositoryGrid, TheDownloadAlertOffersApplyOnlyWithTheThemeDocument) {
  const struct {
    repositories::DownloadReport report;
    bool downloaded;
    std::vector<std::string> actions;
  } cases[] = {
      {{"Harbour", {}, true, {}}, true, {"Ok", "Apply To LS", "Apply To SB"}},
      {{"Harbour", {"font.ttf"}, true, {}}, false, {"Ok", "Apply To LS", "Apply To SB"}},
      {{"Harbour", {"Harbour.json"}, false, {}}, false, {"Ok"}},
  };
  for (const auto& c : cases) {
    library->alertThemeDownloaded(c.report);
    const auto alert = shownAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message(), c.downloaded ? "Theme Downloaded" : c.report.failureMessage());
    EXPECT_EQ(actionTitles(*alert), c.actions);
    alert->chooseAction("Ok");
    platform::foundation::MainQueue::shared().advance(1);
  }

  library->alertThemeDownloaded({"Harbour", {}, true, {}});
  shownAlert()->chooseAction("Apply To SB");
  platform::foundation::MainQueue::shared().advance(1);
  const platform::Value settings =
      platform::foundation::PreferenceDomain("com.kestrune.vantile").read().value_or(platform::Value::object());
  EXPECT_EQ(settings.value("SB_VantileTheme", ""), "Harbour.json");
  EXPECT_EQ(shownAlert()->message(), "Theme Applied");
}

// Twelve themes fill the screen; scrolling to the end gives their cells to the next twelve,
// whose pictures have no address. Pictures of the first twelve that arrive after that are stale.
TEST_F(RepositoryGrid, APictureArrivingAfterItsCellWasReusedIsDropped) {
  const auto picture = platform::graphics::Image::blank(4, 4);
  ASSERT_TRUE(picture);
  vantile::testing::LoopbackHTTPServer server(
      vantile::testing::LoopbackHTTPServer::response(200, platform::graphics::encodePNG(*picture).value_or("")));
  library->pictureAddress = [&server](std::string_view, std::string_view theme,
                                      std::string_view) -> std::optional<std::string> {
    if (!theme.starts_with("A")) return std::nullopt;
    return server.url(std::string("/").append(theme));
  };
  std::vector<std::string> names;
  for (int n = 1; n <= 12; ++n) names.push_back(std::string("A").append(std::to_string(n)));
  for (int n = 1; n <= 12; ++n) names.push_back(std::string("B").append(std::to_string(n)));

  server.holdAnswers();
  open(catalogueOf(names));
  ASSERT_TRUE(cellAt(0));
  const auto& scroll = library->collectionView->scrollView();
  scroll->setContentOffset({0, scroll->contentSize().height - scroll->bounds().height()});
  library->collectionView->layoutIfNeeded();
  ASSERT_FALSE(cellAt(0)) << "the first row went off screen";
  server.releaseAnswers();
  finishTransfers();
  for (const auto& cell : library->collectionView->visibleCells()) {
    const auto themeCell = std::dynamic_pointer_cast<CreatorCell>(cell);
    EXPECT_EQ(themeCell->uiLabel()->text(), "") << "a stale picture named the cell";
    EXPECT_FALSE(themeCell->imageView()->image());
  }

  scroll->setContentOffset({0, 0});
  library->collectionView->layoutIfNeeded();
  finishTransfers();
  ASSERT_TRUE(cellAt(0));
  EXPECT_EQ(cellAt(0)->uiLabel()->text(), "A1");
  EXPECT_TRUE(cellAt(0)->imageView()->image());
}

}  // namespace
}  // namespace vantile::settings
