#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/objc/Object.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/springboard/homescreen/SBIconListGridLayoutConfiguration.h"
#include "platform/springboard/homescreen/SBIconView.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// One page of icons (or the dock's row): a grid of columns × rows inside the grid's insets,
// filled row by row. A touch between icons hits the list itself (its stock
// hitTest:withEvent: is the platform's).
class SBIconListView : public RuntimeView<ui::View> {
 public:
  // `runtimeClass` is "SBIconListView", or the dock's "SBDockIconListView" (a subclass).
  static std::shared_ptr<SBIconListView> make(std::string_view runtimeClass, const graphics::Rect& frame);

  SBIconListView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame);

  std::string_view className() const override;

  // Replaces the icons of a page, laid out by `layout`.
  void showApps(const std::vector<const AppState*>& apps, const GridLayout& layout);
  // Replaces the dock's icons: one row without labels.
  void showDockApps(const std::vector<const AppState*>& apps);
  const std::vector<std::shared_ptr<SBIconView>>& iconViews() const { return iconViews_; }

 private:
  void addIcon(const AppState& app, graphics::Point origin, bool labels);

  std::string fallbackName_;
  std::vector<std::shared_ptr<SBIconView>> iconViews_;
};

}  // namespace platform::springboard
