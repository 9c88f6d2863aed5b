#include "platform/springboard/homescreen/SBIconListView.h"

#include <algorithm>

#include "platform/objc/Messaging.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<SBIconListView> SBIconListView::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<SBIconListView>(ConstructionKey{}, runtimeClass, frame);
}

SBIconListView::SBIconListView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : RuntimeView(runtimeClass, key, frame), fallbackName_(runtimeClass) {}

std::string_view SBIconListView::className() const { return runtimeClassName(*this, fallbackName_); }

void SBIconListView::showApps(const std::vector<const AppState*>& apps, const GridLayout& layout) {
  for (const auto& icon : iconViews_) icon->removeFromSuperview();
  iconViews_.clear();
  const graphics::Size size = bounds().size;
  const signatures::EdgeInsets& insets = layout.insets;
  const double cellWidth = (size.width - insets.left - insets.right) / static_cast<double>(layout.columns);
  const double cellHeight = (size.height - insets.top - insets.bottom) / static_cast<double>(layout.rows);
  for (std::size_t index = 0; index < apps.size() && index < layout.iconsPerPage(); ++index) {
    const auto row = static_cast<double>(index / layout.columns);
    const auto column = static_cast<double>(index % layout.columns);
    addIcon(*apps[index], {insets.left + column * cellWidth + (cellWidth - SBIconView::iconSize) / 2,
                           insets.top + row * cellHeight},
            true);
  }
}

void SBIconListView::showDockApps(const std::vector<const AppState*>& apps) {
  for (const auto& icon : iconViews_) icon->removeFromSuperview();
  iconViews_.clear();
  const graphics::Size size = bounds().size;
  const std::size_t perRow = std::max<std::size_t>(apps.size(), 1);
  const double gap = (size.width - perRow * SBIconView::iconSize) / static_cast<double>(perRow + 1);
  for (std::size_t index = 0; index < apps.size(); ++index) {
    addIcon(*apps[index], {gap + index * (SBIconView::iconSize + gap), (size.height - SBIconView::iconSize) / 2}, false);
  }
}

// SpringBoard sets each new icon's label, scale and alpha through the runtime.
void SBIconListView::addIcon(const AppState& app, graphics::Point origin, bool labels) {
  auto icon = SBIconView::make(app, origin, labels ? SBIconView::rootLocation : SBIconView::dockLocation);
  objc::send<signatures::Flag>(*icon, "setLabelHidden:", !labels);
  objc::send<signatures::Flag>(*icon, "setIconContentScalingEnabled:", true);
  objc::send<signatures::SetSeconds>(*icon, "setIconContentScale:", 1.0);
  icon->setAlpha(objc::send<signatures::Seconds>(*icon, "effectiveOverallAlpha"));
  addSubview(icon);
  iconViews_.push_back(std::move(icon));
}

}  // namespace platform::springboard
