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
// The pages reach up under the status bar; the grid's top inset keeps the icons below it.
constexpr double kPagesHeight = 48 + 6 * 96 + 12;

// SpringBoard makes its page control through the runtime; an initializer may refuse it.
std::shared_ptr<StockView> makePageControl(const graphics::Rect& frame) {
  auto allocated = StockView::make("SBIconListPageControl");
  auto made = objc::send<signatures::InitWithFrame>(*allocated, "initWithFrame:", frame);
  return std::dynamic_pointer_cast<StockView>(made);
}

}  // namespace

std::shared_ptr<SBIconScrollView> SBIconScrollView::make(const graphics::Rect& frame) {
  return std::make_shared<SBIconScrollView>(ConstructionKey{}, frame);
}

SBIconScrollView::SBIconScrollView(ConstructionKey key, const graphics::Rect& frame)
    : RuntimeView("SBIconScrollView", key, frame) {
  setPagingEnabled(true);
}

std::shared_ptr<SBRootFolderView> SBRootFolderView::make(const graphics::Rect& frame) {
  auto folder = std::make_shared<SBRootFolderView>(ConstructionKey{}, frame);
  folder->assemble(frame);
  return folder;
}

SBRootFolderView::SBRootFolderView(ConstructionKey key, const graphics::Rect& frame)
    : View(key, frame), Object("SBRootFolderView") {}

void SBRootFolderView::assemble(const graphics::Rect& frame) {
  const double width = frame.size.width;
  const double height = frame.size.height;
  scrollView_ = SBIconScrollView::make({0, 0, width, kPagesHeight});
  addSubview(scrollView_);

  pageControl_ = makePageControl({0, height - 152, width, 8});
  if (pageControl_) {
    pageControl_->setUserInteractionEnabled(false);
    addSubview(pageControl_);
  }

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
  objc::send<signatures::SetSeconds>(*dock_, "setBackgroundAlpha:", 1.0);

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
  const GridLayout layout = SBIconListGridLayoutConfiguration::rootLayout();
  const std::size_t perPage = layout.iconsPerPage();
  const std::size_t pages = std::max<std::size_t>(1, (pageApps.size() + perPage - 1) / perPage);
  for (std::size_t index = 0; index < pages; ++index) {
    auto list = SBIconListView::make("SBIconListView", {index * page.width, 0, page.width, page.height});
    const auto first = pageApps.begin() + static_cast<std::ptrdiff_t>(std::min(pageApps.size(), index * perPage));
    const auto last = pageApps.begin() + static_cast<std::ptrdiff_t>(std::min(pageApps.size(), (index + 1) * perPage));
    list->showApps({first, last}, layout);
    scrollView_->addSubview(list);
    iconLists_.push_back(std::move(list));
  }
  scrollView_->setContentSize({page.width * static_cast<double>(pages), page.height});
  dockList_->showDockApps(dockApps);
  // Asking the dock its height is how SpringBoard learns whether it shows.
  objc::send<signatures::Seconds>(*dock_, "dockHeight");
  showPageDots(pages);
}

void SBRootFolderView::showPageDots(std::size_t pages) {
  if (!pageControl_) return;
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
