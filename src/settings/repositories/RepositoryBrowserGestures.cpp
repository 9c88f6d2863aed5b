#include <algorithm>

#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/views/Application.h"
#include "settings/repositories/RepositoryBrowser.h"
#include "settings/repositories/RepositoryConfiguration.h"

namespace vantile::settings::repositories {

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpAddress = "https://kestrune.github.io/vantile/repositories.html";

}  // namespace

void RepositoryBrowser::handleTap(ui::GestureRecognizer& tap) {
  if (!scrollView_) return;
  const auto location = tap.locationInView(scrollView_.get());
  if (!location) return;
  const auto hit = scrollView_->hitTest(*location);
  if (!hit) return;
  // The labels are known by identity: a repository may well be called "Delete".
  for (const Row& row : rows_) {
    if (row.deleteLabel.lock() == hit) {
      if (isBuiltIn(row.name)) alertCantRemove();
      else addOrRemoveRepo(row.name, "", false);
      return;
    }
    if (row.tapTarget.lock() == hit) {
      getThemesFromGithub(row.id);
      repoURL_ = row.id;
      return;
    }
  }
}

void RepositoryBrowser::slideDeletePanel(ui::GestureRecognizer& swipe, bool in) {
  const auto target = swipe.view();
  const auto row = target ? target->superview() : nullptr;
  if (!row) return;
  const double width = row->bounds().size.width;
  ui::View::animate(0.2, 0, {}, [&] {
    for (const auto& subview : row->subviews()) {
      if (subview->tag() == 0) continue;
      auto frame = subview->frame();
      frame.origin.x = in ? width - 100 : width;
      subview->setFrame(frame);
    }
  });
  row->setNeedsLayout();
  row->layoutIfNeeded();
}

void RepositoryBrowser::swipedLeft(ui::GestureRecognizer& swipe) { slideDeletePanel(swipe, true); }

void RepositoryBrowser::swipedRight(ui::GestureRecognizer& swipe) { slideDeletePanel(swipe, false); }

void RepositoryBrowser::helpButton() { ui::Application::shared().openURL(kHelpAddress); }

void RepositoryBrowser::getThemesFromGithub(const std::string& repositoryId) {
  const RepositoryConfiguration configuration = repositoryConfiguration();
  const auto address = configuration.addresses(repositoryId).catalogue();
  if (!address) return;
  platform::foundation::fetchURLInBackground(
      *address, configuration.limits.timeoutSeconds, configuration.limits.maxBytes,
      [this, alive = std::weak_ptr<int>(alive_), repositoryId](std::optional<std::string> body)
          -> platform::foundation::Task {
        // No answer: the list stays as it is.
        if (!body) return {};
        // What is not JSON counts as no catalogue; the host's grid then shows the installed themes.
        platform::Value catalogue = platform::foundation::parseValue(*body).value_or(platform::Value());
        return [this, alive, repositoryId, catalogue = std::move(catalogue)] {
          if (!alive.lock() || !view_) return;
          const auto grid = host_.setupRepoView(repositoryId, catalogue);
          if (grid) view_->addSubview(grid);
          if (repoView_) repoView_->removeFromSuperview();
        };
      });
}

}  // namespace vantile::settings::repositories
