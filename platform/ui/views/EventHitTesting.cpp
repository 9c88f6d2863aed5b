#include "platform/ui/views/EventHitTesting.h"

#include <optional>
#include <vector>

#include "platform/objc/Messaging.h"
#include "platform/objc/Object.h"

namespace platform::ui {

namespace {

constexpr double minimumHittableAlpha = 0.01;
constexpr std::string_view hitTestSelector = "hitTest:withEvent:";

using HitTestSignature = std::shared_ptr<View>(graphics::Point, const Event*);

}  // namespace

std::shared_ptr<View> hitTestWithEvent(View& view, graphics::Point point, const Event* event) {
  if (auto* object = dynamic_cast<objc::Object*>(&view); object && objc::respondsToSelector(*object, hitTestSelector)) {
    return objc::send<HitTestSignature>(*object, hitTestSelector, point, event);
  }
  return defaultHitTestWithEvent(view, point, event);
}

std::shared_ptr<View> defaultHitTestWithEvent(View& view, graphics::Point point, const Event* event) {
  if (view.isHidden() || view.alpha() < minimumHittableAlpha || !view.isUserInteractionEnabled() ||
      !view.pointInside(point)) {
    return nullptr;
  }
  const std::vector<std::shared_ptr<View>> subviews = view.subviews();
  for (auto subview = subviews.rbegin(); subview != subviews.rend(); ++subview) {
    const std::optional<graphics::AffineTransform> fromSuperview =
        (*subview)->layer()->transformToSuperlayer().inverted();
    if (!fromSuperview) continue;
    if (std::shared_ptr<View> hit = hitTestWithEvent(**subview, fromSuperview->apply(point), event)) return hit;
  }
  return view.shared_from_this();
}

}  // namespace platform::ui
