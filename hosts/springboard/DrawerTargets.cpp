#include "DrawerTargets.h"

#include <functional>

#include "platform/ui/text/Label.h"

namespace vantile::springboard {

namespace {

using platform::ui::View;

// The front-most open drawer in the tree.
const View* openDrawer(const View& view) {
  const auto& subviews = view.subviews();
  for (auto subview = subviews.rbegin(); subview != subviews.rend(); ++subview) {
    if ((*subview)->className() == "AppDrawerViewController" && !(*subview)->isHidden()) return subview->get();
    if (const View* inside = openDrawer(**subview)) return inside;
  }
  return nullptr;
}

const View* firstMatch(const View& view, const std::function<bool(const View&)>& matches) {
  if (matches(view)) return &view;
  for (const auto& subview : view.subviews()) {
    if (const View* found = firstMatch(*subview, matches)) return found;
  }
  return nullptr;
}

std::optional<platform::graphics::Point> centreOnScreen(const View* view) {
  if (view == nullptr) return std::nullopt;
  return view->convertPointToView({view->bounds().midX(), view->bounds().midY()}, nullptr);
}

}  // namespace

std::optional<platform::graphics::Point> drawerLetterPoint(const View& window, std::string_view letter) {
  const View* drawer = openDrawer(window);
  if (drawer == nullptr) return std::nullopt;
  return centreOnScreen(firstMatch(*drawer, [&](const View& view) {
    const auto* label = dynamic_cast<const platform::ui::Label*>(&view);
    return label != nullptr && label->text() == letter && !label->gestureRecognizers().empty();
  }));
}

std::optional<platform::graphics::Point> drawerAppPoint(const View& window, std::string_view bundle) {
  const View* drawer = openDrawer(window);
  if (drawer == nullptr) return std::nullopt;
  return centreOnScreen(firstMatch(*drawer, [&](const View& view) { return view.layer()->name() == bundle; }));
}

}  // namespace vantile::springboard
