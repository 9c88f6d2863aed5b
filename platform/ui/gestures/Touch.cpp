#include "platform/ui/gestures/Touch.h"

#include "platform/ui/views/View.h"

namespace platform::ui {

namespace {

std::optional<graphics::Point> convertFromRoot(const std::weak_ptr<View>& root, graphics::Point point,
                                               const View* view) {
  const std::shared_ptr<View> rootView = root.lock();
  if (!rootView) {
    return std::nullopt;
  }
  return view != nullptr ? view->convertPointFromView(point, rootView.get()) : point;
}

}  // namespace

std::optional<graphics::Point> Touch::locationInView(const View* view) const {
  return convertFromRoot(root, location, view);
}

std::optional<graphics::Point> Touch::previousLocationInView(const View* view) const {
  return convertFromRoot(root, previousLocation, view);
}

}  // namespace platform::ui
