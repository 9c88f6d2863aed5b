#pragma once

#include <memory>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {
class ScrollView;
class ScrollViewDelegate;
}  // namespace platform::ui

// The styling of scroll-view elements, shared by the tweak's trees and the editor's canvas.
namespace vantile::scrollstyling {

// A content size or offset value: a number, or text with "screen_width" / "screen_height"
// replaced by the screen's size and "math(" evaluated; anything else reads 0.
double scrollMeasure(const platform::Value& value, platform::graphics::Size screen);

// Paging, content size, endless content (with `endlessDelegate` as the scroll view's delegate),
// starting offset, scale, alpha and corner radius.
void styleScrollView(platform::ui::ScrollView& scrollView, const platform::Value& element,
                     platform::graphics::Size screen,
                     const std::shared_ptr<platform::ui::ScrollViewDelegate>& endlessDelegate);

// A delegate that moves an endless scroll view's content back by one copy near either end.
// Scroll views hold their delegate weakly: the caller keeps it.
std::shared_ptr<platform::ui::ScrollViewDelegate> makeEndlessScrollDelegate();

}  // namespace vantile::scrollstyling
