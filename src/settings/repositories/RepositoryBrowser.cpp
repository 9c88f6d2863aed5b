#include "settings/repositories/RepositoryBrowser.h"

// Placeholder until the browser is built: an empty black view.
namespace vantile::settings::repositories {

std::shared_ptr<platform::ui::View> RepositoryBrowser::showRepos(const std::shared_ptr<platform::ui::View>& hostView) {
  repoView_ = platform::ui::View::make(hostView->bounds());
  repoView_->setBackgroundColor(platform::graphics::Color{0, 0, 0, 1});
  (void)host_;
  return repoView_;
}

}  // namespace vantile::settings::repositories
