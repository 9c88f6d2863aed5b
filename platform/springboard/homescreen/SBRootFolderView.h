#pragma once

#include <memory>
#include <vector>

#include "platform/objc/Object.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/springboard/homescreen/SBIconListView.h"
#include "platform/springboard/views/StockView.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The paged icon lists ("SBIconScrollView"), a scroll view of the platform.
class SBIconScrollView : public RuntimeView<ui::ScrollView> {
 public:
  static std::shared_ptr<SBIconScrollView> make(const graphics::Rect& frame);
  SBIconScrollView(ConstructionKey key, const graphics::Rect& frame);
  std::string_view className() const override { return "SBIconScrollView"; }
};

// The home screen's root folder: the icon pages, their page control, the search bar and the dock.
class SBRootFolderView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<SBRootFolderView> make(const graphics::Rect& frame);

  SBRootFolderView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "SBRootFolderView"; }

  // Lays the icons out again from the device's apps and dock (the stock updateIconListViews).
  void updateIconListViews();
  int iconListUpdateCount() const { return iconListUpdateCount_; }

  const std::shared_ptr<SBIconScrollView>& scrollView() const { return scrollView_; }
  const std::vector<std::shared_ptr<SBIconListView>>& iconListViews() const { return iconLists_; }
  // Null when its initializer refused to make one.
  const std::shared_ptr<StockView>& pageControl() const { return pageControl_; }
  // Null before iOS 14.
  const std::shared_ptr<StockView>& searchBar() const { return searchBar_; }
  const std::shared_ptr<StockView>& dockView() const { return dock_; }
  const std::shared_ptr<SBIconListView>& dockListView() const { return dockList_; }
  // The icon of an app, on a page or in the dock; null when none shows it.
  std::shared_ptr<SBIconView> iconViewFor(std::string_view bundleID) const;

  static void declareClass(objc::Class& cls);

 private:
  // The pages, page dots, search pill and dock, added once the folder view is owned.
  void assemble(const graphics::Rect& frame);
  void showApps(const DeviceState& state);
  void showPageDots(std::size_t pages);

  std::shared_ptr<SBIconScrollView> scrollView_;
  std::vector<std::shared_ptr<SBIconListView>> iconLists_;
  std::shared_ptr<StockView> pageControl_;
  std::shared_ptr<StockView> searchBar_;
  std::shared_ptr<StockView> dock_;
  std::shared_ptr<SBIconListView> dockList_;
  int iconListUpdateCount_ = 0;
};

}  // namespace platform::springboard
