#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/Window.h"
#include "settings/repositories/RepositoryBrowser.h"
#include "settings/repositories/ThemeCatalogue.h"
#include "settings/repositories/tests/RepositoryFixture.h"
#include "testing/LoopbackRepositoryServer.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings::repositories {
namespace {

namespace ui = platform::ui;
using Texts = std::vector<std::string>;
using testing::kFixtureId;

class RecordingHost : public RepositoryBrowserHost {
 public:
  explicit RecordingHost(std::shared_ptr<ui::ViewController> presenter) : presenter_(std::move(presenter)) {}

  std::shared_ptr<ui::View> setupRepoView(const std::string& repositoryId, const platform::Value& catalogue) override {
    opened.push_back(repositoryId);
    openedCatalogue = catalogue;
    grid = ui::View::make({0, 0, 10, 10});
    return grid;
  }
  std::shared_ptr<ui::ViewController> topViewController() const override { return presenter_; }

  Texts opened;
  platform::Value openedCatalogue;
  std::shared_ptr<ui::View> grid;

 private:
  std::shared_ptr<ui::ViewController> presenter_;
};

// The labels of a view tree in order, depth first.
void collectLabels(const ui::View& view, std::vector<std::shared_ptr<ui::Label>>& labels) {
  for (const auto& subview : view.subviews()) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(subview)) labels.push_back(label);
    collectLabels(*subview, labels);
  }
}

class RepositoryBrowserTest : public ::testing::Test {
 protected:
  vantile::testing::TemporaryDeviceRoot root;
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::LoopbackRepositoryServer server{testing::repositoryFixture()};
  std::shared_ptr<ui::Window> window = ui::Window::make(ui::Screen::mainScreen().bounds());
  std::shared_ptr<ui::ViewController> presenter = ui::ViewController::make();
  RecordingHost host{presenter};
  std::unique_ptr<RepositoryBrowser> browser;
  platform::foundation::UserDefaults defaults{"com.apple.Preferences"};

  void SetUp() override {
    platform::foundation::Bundle::main().setBundleIdentifier("com.apple.Preferences");
    window->setRootViewController(presenter);
    window->makeKeyAndVisible();
    root.writeFile("/device.json", R"({"repositories": {"host": ")" + server.url("/") + R"(",
        "builtIn": [{"name": "Kestrune", "id": "kestrune/vantile-themes"}, {"name": "Elsewhere", "id": "nobody/none"},
                    {"name": "Again", "id": "kestrune/vantile-themes"}], "timeoutSeconds": 2}})");
    browser = std::make_unique<RepositoryBrowser>(host);
  }

  void TearDown() override {
    browser.reset();
    platform::foundation::WorkerQueue::shared().waitUntilIdle(10);
    if (const auto alert = ui::AlertController::shownInKeyWindow()) alert->chooseAction("Cancel");
  }

  void settle() {
    for (int turn = 0; turn < 3; ++turn) {
      platform::foundation::MainQueue::shared().runPending();
      platform::foundation::WorkerQueue::shared().waitUntilIdle(10);
    }
    platform::foundation::MainQueue::shared().advance(1);
  }

  std::shared_ptr<ui::View> open() {
    auto shown = browser->showRepos(presenter->view());
    presenter->view()->addSubview(shown);
    settle();
    return shown;
  }

  Texts rowNames() const {
    Texts names;
    for (const auto& label : labels()) {
      if (label->text().starts_with("Repo: ")) names.push_back(label->text().substr(6));
    }
    return names;
  }

  std::vector<std::shared_ptr<ui::Label>> labels() const {
    std::vector<std::shared_ptr<ui::Label>> found;
    collectLabels(*browser->repoView(), found);
    return found;
  }

  std::shared_ptr<ui::Label> label(const std::string& text) const {
    for (const auto& candidate : labels()) {
      if (candidate->text() == text) return candidate;
    }
    return nullptr;
  }

  std::shared_ptr<ui::View> rowOf(const std::string& id) const {
    const auto idLabel = label("Repo: " + id);
    return idLabel ? idLabel->superview() : nullptr;
  }

  // The invisible label over the row, the last label directly in it.
  static std::shared_ptr<ui::Label> tapTarget(const ui::View& row) {
    std::shared_ptr<ui::Label> last;
    for (const auto& subview : row.subviews()) {
      if (auto found = std::dynamic_pointer_cast<ui::Label>(subview)) last = found;
    }
    return last;
  }

  // The row's image views: its banner, then its chevron.
  static std::vector<std::shared_ptr<ui::ImageView>> imageViews(const ui::View& row) {
    std::vector<std::shared_ptr<ui::ImageView>> found;
    for (const auto& subview : row.subviews()) {
      if (auto imageView = std::dynamic_pointer_cast<ui::ImageView>(subview)) found.push_back(std::move(imageView));
    }
    return found;
  }
  static std::shared_ptr<ui::ImageView> banner(const ui::View& row) { return imageViews(row).at(0); }
  static std::shared_ptr<ui::ImageView> chevron(const ui::View& row) { return imageViews(row).at(1); }

  void tap(const ui::View& view) {
    const auto center = view.convertPointToView({view.bounds().midX(), view.bounds().midY()}, nullptr);
    ui::TouchInjector(window).tap(*center);
    settle();
  }

  void swipeLeft(const ui::View& view) {
    const auto from = view.convertPointToView({view.bounds().size.width - 20, view.bounds().midY()}, nullptr);
    ui::TouchInjector(window).drag(*from, {from->x - 200, from->y}, 10);
    settle();
  }

  std::optional<std::string> shownMessage() const {
    const auto alert = ui::AlertController::shownInKeyWindow();
    if (!alert) return std::nullopt;
    const auto message = alert->message();
    alert->chooseAction(alert->actions().front().title);
    return message;
  }

  void store(const Texts& names, const Texts& ids) {
    browser->saveRepoListToUserDefaults(names, ids);
  }
  Texts stored(const char* key) const {
    Texts texts;
    if (const auto list = defaults.objectForKey(key))
      for (const auto& entry : *list) texts.push_back(entry.get<std::string>());
    return texts;
  }
};

TEST_F(RepositoryBrowserTest, TheListIsFilledOnTheNextTurnWithEachIdOnceAndStoredEntriesOneByOne) {
  store({"Kestrune", "Mine", "Twin"}, {"a/b", "me/mine", "nobody/none"});
  presenter->view()->addSubview(browser->showRepos(presenter->view()));
  ASSERT_TRUE(label("Loading Repos"));
  settle();
  EXPECT_FALSE(label("Loading Repos"));
  EXPECT_EQ(label("     Repo List")->layer()->name(), "repolist");
  EXPECT_EQ(rowNames(), (Texts{"kestrune/vantile-themes", "nobody/none", "me/mine"}));
  EXPECT_EQ(browser->repoList(), (Texts{"Kestrune", "Elsewhere", "Again", "Mine", "Twin"}));
  // The catalogue's count, and nothing for a repository that did not answer.
  EXPECT_TRUE(label("2"));
  EXPECT_EQ(server.requestCount("/nobody/none/main/themes.json"), 1u);
  EXPECT_FALSE(label("0"));
}

TEST_F(RepositoryBrowserTest, TheBannerArrivesFromAWorkerAndAMissingOneLeavesTheViewEmpty) {
  open();
  EXPECT_TRUE(banner(*rowOf(kFixtureId))->image());
  EXPECT_FALSE(banner(*rowOf("nobody/none"))->image());
  for (const char* id : {kFixtureId, "nobody/none"}) {
    const auto mark = chevron(*rowOf(id));
    EXPECT_TRUE(mark->image()) << id;
    EXPECT_EQ(mark->frame(), (platform::graphics::Rect{rowOf(id)->bounds().size.width - 30, 35, 10, 10})) << id;
  }
}

TEST_F(RepositoryBrowserTest, ATapOnARowPutsItsCatalogueGridInPlaceOfTheList) {
  const auto shown = open();
  tap(*tapTarget(*rowOf("nobody/none")));
  EXPECT_TRUE(host.opened.empty());
  EXPECT_EQ(shown->superview(), presenter->view());

  tap(*tapTarget(*rowOf(kFixtureId)));
  ASSERT_EQ(host.opened, Texts{kFixtureId});
  EXPECT_EQ(catalogueThemeCount(host.openedCatalogue), 2u);
  EXPECT_EQ(host.grid->superview(), presenter->view());
  EXPECT_EQ(shown->superview(), nullptr);
  EXPECT_EQ(browser->repoURL(), kFixtureId);
}

TEST_F(RepositoryBrowserTest, AddingAndRemovingRefusesInOrderAndKeepsTheStoredLists) {
  store({"Mine"}, {"me/themes"});
  open();
  struct Case {
    std::string name;
    std::string id;
    bool adding;
    std::optional<std::string> message;
    Texts names;
  };
  const std::vector<Case> cases{
      {"", "nourl", true, "Name or Repo is incorrect", {"Mine"}},
      {"Other", "", true, "Name or Repo is incorrect", {"Mine"}},
      {"Other", "nourl", true, "Repo url is incorrect", {"Mine"}},
      {"Other", "../x", true, "Repo url is incorrect", {"Mine"}},
      {"Other", "kestrune/vantile-themes", true, "These are default repos you don't need to add them again.", {"Mine"}},
      {"Other", "nobody/none", true, "These are default repos you don't need to add them again.", {"Mine"}},
      {"Mine", "you/themes", true, "Repo name already exists, use another name.", {"Mine"}},
      {"Again", "you/themes", true, "This name belongs to a default repo, use another name.", {"Mine"}},
      {"Nowhere", "", false, std::nullopt, {"Mine"}},
      {"Yours", "you/themes", true, std::nullopt, {"Mine", "Yours"}},
      {"Mine", "", false, std::nullopt, {"Yours"}},
  };
  for (const Case& edit : cases) {
    SCOPED_TRACE(edit.name + " " + edit.id);
    browser->addOrRemoveRepo(edit.name, edit.id, edit.adding);
    EXPECT_EQ(shownMessage(), edit.message);
    EXPECT_EQ(stored("repoList"), edit.names);
    EXPECT_EQ(stored("repoURLList").size(), edit.names.size());
  }
  settle();
  EXPECT_EQ(rowNames(), (Texts{"kestrune/vantile-themes", "nobody/none", "you/themes"}));
}

TEST_F(RepositoryBrowserTest, TheAddAlertRemovesSpacesBeforeSaving) {
  open();
  browser->addRepo();
  const auto alert = ui::AlertController::shownInKeyWindow();
  ASSERT_TRUE(alert);
  EXPECT_EQ(alert->message(), "Add theme repo");
  ASSERT_EQ(alert->textFields().size(), 2u);
  EXPECT_EQ(alert->textFields()[1]->placeholder(), kFixtureId);
  alert->textFields()[0]->setText(" My Own ");
  alert->textFields()[1]->setText("me / themes");
  EXPECT_TRUE(alert->chooseAction("Save"));
  settle();
  EXPECT_EQ(stored("repoList"), Texts{"MyOwn"});
  EXPECT_EQ(stored("repoURLList"), Texts{"me/themes"});
  EXPECT_EQ(rowNames().back(), "me/themes");
}

TEST_F(RepositoryBrowserTest, TheDeletePanelIsKnownByItselfNotByItsText) {
  store({"Delete"}, {"nobody/else"});
  open();
  const auto builtInRow = rowOf(kFixtureId);
  swipeLeft(*tapTarget(*builtInRow));
  const auto panel = builtInRow->viewWithTag(1);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->frame().origin.x, builtInRow->bounds().size.width - 100);
  tap(*panel);
  EXPECT_EQ(shownMessage(), "Cannot remove this repo.");

  // A repository called "Delete" opens when its row is tapped.
  tap(*tapTarget(*rowOf("nobody/else")));
  EXPECT_EQ(server.requestCount("/nobody/else/main/themes.json"), 2u);
  EXPECT_EQ(stored("repoList"), Texts{"Delete"});

  const auto userRow = rowOf("nobody/else");
  swipeLeft(*tapTarget(*userRow));
  tap(*userRow->viewWithTag(1));
  EXPECT_EQ(shownMessage(), std::nullopt);
  EXPECT_TRUE(stored("repoList").empty());
  EXPECT_EQ(rowNames(), (Texts{"kestrune/vantile-themes", "nobody/none"}));
}

}  // namespace
}  // namespace vantile::settings::repositories
