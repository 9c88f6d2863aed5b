#pragma once

#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/ui/gestures/Event.h"
#include "platform/ui/views/View.h"

// Hit testing with the event that caused it. A view that is a runtime object answering
// "hitTest:withEvent:" decides for itself through the runtime, so replaced hit tests take effect;
// every other view follows the platform's rules (View::hitTest) while passing the event down.
namespace platform::ui {

// `point` is in `view`'s bounds space; the event may be null.
std::shared_ptr<View> hitTestWithEvent(View& view, graphics::Point point, const Event* event);

// The platform's rules for one view, asking each subview (front-most first) through
// hitTestWithEvent: what a stock "hitTest:withEvent:" does.
std::shared_ptr<View> defaultHitTestWithEvent(View& view, graphics::Point point, const Event* event);

}  // namespace platform::ui
