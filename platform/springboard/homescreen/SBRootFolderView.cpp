#include "platform/springboard/homescreen/SBRootFolderView.h"

#include <algorithm>

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/device/DeviceModel.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

namespace {

constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kDimWhite{1, 1, 1, 0.4};
constexpr graphics::Color kMaterial{0.9, 0.9, 0.95, 0.3};
constexpr double kTop = 48;
constexpr double kPageHeight = 6 * 96 + 12;

}  // namespace

std::shared_ptr<SBIconScrollView> SBIconScrollView::make(const graphics::Rect& frame) {
  return std::make_shared<SBIconScrollView>(ConstructionKey{}, frame);
}

SBIconScrollView::SBIconScrollView(ConstructionKey key, const graphics::Rect& frame)
    : RuntimeView("SBIconScrollView", key, frame) {
  setPagingEnabled(true);
}

std::shared_ptr<SBRootFolderView> SBRootFolderView::make(const graphics::Rect& frame) {
  return std::make_shared<SBRootFolderView>(ConstructionKey{}, frame);
}

SBRootFolderView::SBRootFolderView(ConstructionKey key, const graphics::Rect& frame)
    : View(key, frame), Object("SBRootFolderView") {
  const double width = frame.size.width;
  const double height = frame.size.height;
  scrollView_ = SBIconScrollView::make({0, kTop, width, kPageHeight});
  addSubview(scrollView_);

  pageControl_ = StockView::make("SBIconListPageControl", {0, height - 152, width, 8});
  pageControl_->setUserInteractionEnabled(false);
  addSubview(pageControl_);

  // The search pill came with iOS 14; before, the page dots stand alone.
  if (objc::getClass("SBHSearchBar") != nullptr) {
    searchBar_ = StockView::make("SBHSearchBar", {width / 2 - 44, height - 136, 88, 28});
    searchBar_->setBackgroundColor(kMaterial);
    searchBar_->layer()->setCornerRadius(14);
    auto searchText = StockLabel::make("UILabel", {0, 0, 88, 28});
    searchText->setText("Search");
    searchText->setFont(graphics::systemFont(13));
    searchText->setTextColor(kWhite);
    searchText->setTextAlignment(ui::TextAlignment::center);
    searchBar_->addSubview(std::move(searchText));
    addSubview(searchBar_);
  }

  dock_ = StockView::make("SBDockView", {10, height - 100, width - 20, 90});
  dock_->setBackgroundColor(kMaterial);
  dock_->layer()->setCornerRadius(30);
  dockList_ = SBIconListView::make("SBDockIconListView", {0, 0, width - 20, 90});
  dock_->addSubview(dockList_);
  addSubview(dock_);

  showApps(DeviceModel::shared().state());
}

void SBRootFolderView::updateIconListViews() { objc::send<signatures::Action>(*this, "updateIconListViews"); }

void SBRootFolderView::showApps(const DeviceState& state) {
  std::vector<const AppState*> pageApps;
  std::vector<const AppState*> dockApps;
  for (const std::string& bundleID : state.dock) {
    if (const AppState* app = state.app(bundleID); app != nullptr && !app->hidden) dockApps.push_back(app);
  }
  for (const AppState& app : state.apps) {
    if (app.hidden || std::find(dockApps.begin(), dockApps.end(), &app) != dockApps.end()) continue;
    pageApps.push_back(&app);
  }
  for (const auto& list : iconLists_) list->removeFromSuperview();
  iconLists_.clear();
  const graphics::Size page = scrollView_->bounds().size;
  const std::size_t pages = std::max<std::size_t>(1, (pageApps.size() + SBIconListView::iconsPerPage - 1) /
                                                         SBIconListView::iconsPerPage);
  for (std::size_t index = 0; index < pages; ++index) {
    auto list = SBIconListView::make("SBIconListView", {index * page.width, 0, page.width, page.height});
    const auto first = pageApps.begin() + static_cast<std::ptrdiff_t>(std::min(pageApps.size(), index * SBIconListView::iconsPerPage));
    const auto last = pageApps.begin() + static_cast<std::ptrdiff_t>(std::min(pageApps.size(), (index + 1) * SBIconListView::iconsPerPage));
    list->showApps({first, last}, true);
    scrollView_->addSubview(list);
    iconLists_.push_back(std::move(list));
  }
  scrollView_->setContentSize({page.width * static_cast<double>(pages), page.height});
  dockList_->showApps(dockApps, false);
  showPageDots(pages);
}

void SBRootFolderView::showPageDots(std::size_t pages) {
  while (!pageControl_->subviews().empty()) pageControl_->subviews().back()->removeFromSuperview();
  const double start = pageControl_->bounds().size.width / 2 - (static_cast<double>(pages) * 14 - 6) / 2;
  for (std::size_t index = 0; index < pages; ++index) {
    auto dot = ui::View::make({start + static_cast<double>(index) * 14, 0, 8, 8});
    dot->setBackgroundColor(index == 0 ? kWhite : kDimWhite);
    dot->layer()->setCornerRadius(4);
    pageControl_->addSubview(std::move(dot));
  }
}

std::shared_ptr<SBIconView> SBRootFolderView::iconViewFor(std::string_view bundleID) const {
  for (const auto& list : iconLists_) {
    for (const auto& icon : list->iconViews()) {
      if (icon->applicationBundleIdentifier() == bundleID) return icon;
    }
  }
  for (const auto& icon : dockList_->iconViews()) {
    if (icon->applicationBundleIdentifier() == bundleID) return icon;
  }
  return nullptr;
}

void SBRootFolderView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "updateIconListViews", [](objc::Object& self) {
    auto& folder = receiver<SBRootFolderView>(self);
    ++folder.iconListUpdateCount_;
    folder.showApps(DeviceModel::shared().state());
  });
  objc::addMethod<signatures::Action>(cls, "setNeedsLayout",
                                      [](objc::Object& self) { receiver<SBRootFolderView>(self).ui::View::setNeedsLayout(); });
}

}  // namespace platform::springboard
