#pragma once

#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"
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
// removing, and opening one.
class RepositoryBrowser {
 public:
  // The host outlives the browser (the library owns it).
  explicit RepositoryBrowser(RepositoryBrowserHost& host) : host_(host) {}

  // A new browser inside `hostView`, filled on the next turn of the main queue.
  std::shared_ptr<platform::ui::View> showRepos(const std::shared_ptr<platform::ui::View>& hostView);

 private:
  RepositoryBrowserHost& host_;
  std::shared_ptr<platform::ui::View> repoView_;
};

}  // namespace vantile::settings::repositories
