#include "platform/springboard/homescreen/SBIconListView.h"

#include "platform/springboard/runtime/RuntimeSupport.h"

namespace platform::springboard {

namespace {
constexpr double kTopInset = 12;
constexpr double kRowHeight = 96;
}  // namespace

std::shared_ptr<SBIconListView> SBIconListView::make(std::string_view runtimeClass, const graphics::Rect& frame) {
  return std::make_shared<SBIconListView>(ConstructionKey{}, runtimeClass, frame);
}

SBIconListView::SBIconListView(ConstructionKey key, std::string_view runtimeClass, const graphics::Rect& frame)
    : RuntimeView(runtimeClass, key, frame), fallbackName_(runtimeClass) {}

std::string_view SBIconListView::className() const { return runtimeClassName(*this, fallbackName_); }

void SBIconListView::showApps(const std::vector<const AppState*>& apps, bool labels) {
  for (const auto& icon : iconViews_) icon->removeFromSuperview();
  iconViews_.clear();
  const graphics::Size size = bounds().size;
  const std::size_t perRow = labels ? columns : std::max<std::size_t>(apps.size(), 1);
  const double gap = (size.width - perRow * SBIconView::iconSize) / static_cast<double>(perRow + 1);
  for (std::size_t index = 0; index < apps.size(); ++index) {
    const std::size_t row = index / perRow;
    const std::size_t column = index % perRow;
    const double x = gap + column * (SBIconView::iconSize + gap);
    const double y = labels ? kTopInset + row * kRowHeight : (size.height - SBIconView::iconSize) / 2;
    auto icon = SBIconView::make(*apps[index], {x, y}, labels);
    addSubview(icon);
    iconViews_.push_back(std::move(icon));
  }
}

}  // namespace platform::springboard
