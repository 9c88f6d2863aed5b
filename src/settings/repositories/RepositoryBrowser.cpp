#include "settings/repositories/RepositoryBrowser.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/views/ScrollView.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/LoadingPopup.h"

namespace vantile::settings::repositories {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

namespace {

const graphics::Color kWhite{1, 1, 1, 1};

std::vector<std::string> storedTexts(const std::optional<platform::Value>& stored) {
  std::vector<std::string> texts;
  if (!stored || !stored->is_array()) return texts;
  for (const platform::Value& entry : *stored) texts.push_back(entry.is_string() ? entry.get<std::string>() : "");
  return texts;
}

std::shared_ptr<ui::Label> headerLabel(const std::string& text, const graphics::Rect& frame, double fontSize,
                                       const std::string& layerName) {
  auto label = ui::Label::make(frame);
  label->setText(text);
  label->setFont(graphics::systemFont(fontSize));
  label->setTextColor(kWhite);
  label->setTextAlignment(ui::TextAlignment::center);
  label->setUserInteractionEnabled(true);
  label->layer()->setName(layerName);
  return label;
}

}  // namespace

std::shared_ptr<ui::View> RepositoryBrowser::showRepos(const std::shared_ptr<ui::View>& hostView) {
  view_ = hostView;
  repoView_ = ui::View::make(hostView->bounds());
  repoView_->setBackgroundColor(graphics::Color{0, 0, 0, 1});
  repoLoadingView_ = loadingPopup("Loading Repos");
  repoView_->addSubview(repoLoadingView_);
  const std::weak_ptr<int> alive = alive_;
  const std::weak_ptr<ui::View> shown = repoView_;
  platform::foundation::MainQueue::shared().post([this, alive, shown] {
    // A browser replaced before its turn came is left empty.
    if (alive.lock() && shown.lock() == repoView_) createRepoView();
  });
  return repoView_;
}

bool RepositoryBrowser::isBuiltIn(const std::string& name) const {
  return std::find(defaultRepoList_.begin(), defaultRepoList_.end(), name) != defaultRepoList_.end();
}

void RepositoryBrowser::buildLists() {
  defaultRepoList_.clear();
  repoURLS_.clear();
  for (const BuiltInRepository& repository : repositoryConfiguration().builtIn) {
    defaultRepoList_.push_back(repository.name);
    repoURLS_.push_back(repository.id);
  }
  repoList_ = defaultRepoList_;
  const auto defaults = platform::foundation::UserDefaults::standard();
  const std::vector<std::string> names = storedTexts(defaults.objectForKey("repoList"));
  const std::vector<std::string> ids = storedTexts(defaults.objectForKey("repoURLList"));
  // One by one: a stored entry that clashes with a listed name leaves the others listed.
  for (std::size_t index = 0; index < std::min(names.size(), ids.size()); ++index) {
    const bool listed = std::find(repoList_.begin(), repoList_.end(), names[index]) != repoList_.end();
    if (names[index].empty() || listed || !isSafeRepositoryId(ids[index])) {
      platform::foundation::systemLog("Vantile: left out the stored repository \"" + names[index] + "\"");
      continue;
    }
    repoList_.push_back(names[index]);
    repoURLS_.push_back(ids[index]);
  }
}

void RepositoryBrowser::addHeader(double width) {
  auto header = ui::Label::make({0, 100, width, 40});
  header->setText("     Repo List");
  header->setTextColor(kWhite);
  header->setTextAlignment(ui::TextAlignment::left);
  header->setBackgroundColor(graphics::Color{20 / 255.0, 20 / 255.0, 20 / 255.0, 1});
  header->setUserInteractionEnabled(false);
  header->layer()->setName("repolist");
  repoView_->addSubview(header);

  auto help = headerLabel("?", {width - 45, 102, 40, 40}, 16, "helpbutton");
  help->addGestureRecognizer(ui::TapGestureRecognizer::make(guarded([this](ui::GestureRecognizer&) { helpButton(); })));
  repoView_->addSubview(help);

  auto add = headerLabel("+", {width - 85, 100, 40, 40}, 22, "addrepo");
  add->addGestureRecognizer(ui::TapGestureRecognizer::make(guarded([this](ui::GestureRecognizer&) { addRepo(); })));
  repoView_->addSubview(add);
}

void RepositoryBrowser::createRepoView() {
  if (!repoView_) return;
  buildLists();
  const graphics::Rect bounds = repoView_->bounds();
  const double width = bounds.size.width;
  addHeader(width);

  auto scrollView = ui::ScrollView::make({0, 140, width, bounds.size.height - 140});
  auto tap = ui::TapGestureRecognizer::make(guarded([this](ui::GestureRecognizer& recognizer) { handleTap(recognizer); }));
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  scrollView->addGestureRecognizer(tap);
  // The list scrolls up and down only, so sideways movements are the rows' swipes.
  scrollView->panGestureRecognizer()->setShouldBegin(
      [](graphics::Point movement) { return std::abs(movement.y) >= std::abs(movement.x); });
  auto stack = ui::StackView::make(ui::StackView::Axis::vertical);
  stack->setAlignment(ui::StackView::Alignment::fill);
  stack->setSpacing(1);

  rows_.clear();
  std::vector<std::string> shownIds;
  for (const std::string& name : repoList_) {
    const auto index = static_cast<std::size_t>(std::find(repoList_.begin(), repoList_.end(), name) - repoList_.begin());
    const std::string& id = repoURLS_.at(index);
    if (std::find(shownIds.begin(), shownIds.end(), id) != shownIds.end()) continue;
    shownIds.push_back(id);
    stack->addArrangedSubview(makeRow(name, id, width));
  }
  stack->layoutArrangedSubviews();
  scrollView->addSubview(stack);
  scrollView->setContentSize(stack->frame().size);
  scrollView_ = scrollView;
  repoView_->addSubview(scrollView);
  if (repoLoadingView_) repoLoadingView_->removeFromSuperview();
}

void RepositoryBrowser::refreshRepoView() {
  if (repoView_) repoView_->removeFromSuperview();
  if (!view_) return;
  view_->addSubview(showRepos(view_));
}

}  // namespace vantile::settings::repositories
