#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/ViewController.h"

namespace vantile::settings::repositories {

// What the repository browser needs of the theme library that hosts it.
class RepositoryBrowserHost {
 public:
  virtual ~RepositoryBrowserHost() = default;

  // The repository's catalogue arrived (parsed; possibly no catalogue at all): the grid that
  // shows it, which the browser puts into the host view in its own place. The host remembers the
  // id for the grid's downloads and previews.
  virtual std::shared_ptr<platform::ui::View> setupRepoView(const std::string& repositoryId,
                                                            const platform::Value& catalogue) = 0;
  // Where alerts are presented.
  virtual std::shared_ptr<platform::ui::ViewController> topViewController() const = 0;
};

// The list of repositories (built in and the user's own): banners, theme counts, adding and
// removing, and opening one. Everything on the main queue; catalogues and banners are fetched
// on a worker.
class RepositoryBrowser {
 public:
  // The host outlives the browser (the library owns it).
  explicit RepositoryBrowser(RepositoryBrowserHost& host) : host_(host) {}

  // A new browser inside `hostView`, filled on the next turn of the main queue.
  std::shared_ptr<platform::ui::View> showRepos(const std::shared_ptr<platform::ui::View>& hostView);

  // Fills the browser with one row per repository (an id shown once).
  void createRepoView();
  // Replaces the browser in the host view by a fresh one.
  void refreshRepoView();

  void handleTap(platform::ui::GestureRecognizer& tap);
  // Slide a row's delete panel in and out.
  void swipedLeft(platform::ui::GestureRecognizer& swipe);
  void swipedRight(platform::ui::GestureRecognizer& swipe);
  void helpButton();
  // The alert that asks for a repository's name and id.
  void addRepo();
  void addOrRemoveRepo(const std::string& name, const std::string& id, bool isAdding);
  void saveRepoListToUserDefaults(const std::vector<std::string>& names, std::vector<std::string> ids);
  void alertCantRemove();
  // Fetches the repository's catalogue and, when it came, shows the host's grid in place of the list.
  void getThemesFromGithub(const std::string& repositoryId);

  const std::vector<std::string>& defaultRepoList() const { return defaultRepoList_; }
  const std::vector<std::string>& repoList() const { return repoList_; }
  const std::vector<std::string>& repoURLS() const { return repoURLS_; }
  // The repository of the grid last opened.
  const std::string& repoURL() const { return repoURL_; }
  const std::shared_ptr<platform::ui::View>& repoView() const { return repoView_; }

 private:
  struct Row {
    std::string name;
    std::string id;
    std::weak_ptr<platform::ui::Label> tapTarget;
    std::weak_ptr<platform::ui::Label> deleteLabel;
  };

  void buildLists();
  std::shared_ptr<platform::ui::View> makeRow(const std::string& name, const std::string& id, double width);
  void addHeader(double width);
  void slideDeletePanel(platform::ui::GestureRecognizer& swipe, bool in);
  void showAlert(const std::string& message, const std::string& actionTitle);
  bool isBuiltIn(const std::string& name) const;

  // An action that does nothing once the browser is gone (its views may outlive it).
  template <typename Action>
  auto guarded(Action action) {
    return [alive = std::weak_ptr<int>(alive_), action](auto&... arguments) {
      if (alive.lock()) action(arguments...);
    };
  }

  RepositoryBrowserHost& host_;
  std::shared_ptr<platform::ui::View> view_;
  std::shared_ptr<platform::ui::View> repoView_;
  std::shared_ptr<platform::ui::View> repoLoadingView_;
  std::shared_ptr<platform::ui::View> scrollView_;
  std::vector<std::string> defaultRepoList_;
  std::vector<std::string> repoList_;
  std::vector<std::string> repoURLS_;
  std::string repoURL_;
  std::vector<Row> rows_;
  // Replies from workers find the browser gone when this has been dropped.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace vantile::settings::repositories
