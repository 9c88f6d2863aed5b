#include "platform/ui/input/ActivityIndicatorView.h"

#include <cmath>
#include <numbers>

#include "platform/ui/render/DrawingContext.h"

namespace platform::ui {

namespace {

// Spokes run from this fraction of the radius to the rim; the faintest is drawn at this alpha.
constexpr double kSpokeInnerFraction = 0.45;
constexpr double kFaintestSpokeAlpha = 0.2;
constexpr graphics::Color kSpokeColor{1, 1, 1, 1};

}  // namespace

std::shared_ptr<ActivityIndicatorView> ActivityIndicatorView::make(graphics::Point center) {
  return std::make_shared<ActivityIndicatorView>(ConstructionKey{}, center);
}

ActivityIndicatorView::ActivityIndicatorView(ConstructionKey key, graphics::Point center)
    : View(key, {center.x - size.width / 2, center.y - size.height / 2, size.width, size.height}) {
  setUserInteractionEnabled(false);
  setHidden(true);
}

void ActivityIndicatorView::startAnimating() {
  if (!startedAt_) startedAt_ = foundation::MainQueue::shared().now();
  setHidden(false);
}

void ActivityIndicatorView::stopAnimating() {
  startedAt_.reset();
  if (hidesWhenStopped_) setHidden(true);
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
  hidesWhenStopped_ = hides;
  if (!isAnimating()) setHidden(hides);
}

int ActivityIndicatorView::leadingSpoke() const {
  if (!startedAt_) return 0;
  const double elapsed = std::max(0.0, foundation::MainQueue::shared().now() - *startedAt_);
  const double turns = std::fmod(elapsed / revolutionSeconds, 1.0);
  return static_cast<int>(std::floor(turns * spokeCount)) % spokeCount;
}

void ActivityIndicatorView::drawContent(DrawingContext& context) const {
  const graphics::Rect bounds = this->bounds();
  const double radius = std::min(bounds.width(), bounds.height()) / 2;
  const double centerX = bounds.x() + bounds.width() / 2;
  const double centerY = bounds.y() + bounds.height() / 2;
  cairo_t* cairo = context.cairo();
  cairo_save(cairo);
  cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cairo, radius * 0.2);
  const int leading = leadingSpoke();
  for (int spoke = 0; spoke < spokeCount; ++spoke) {
    // Brightest at the leading spoke, fading over the spokes behind it.
    const int behind = (leading - spoke + spokeCount) % spokeCount;
    const double fade = 1 - (1 - kFaintestSpokeAlpha) * behind / (spokeCount - 1);
    const double angle = 2 * std::numbers::pi * spoke / spokeCount;
    const double dx = std::sin(angle), dy = -std::cos(angle);
    const double inner = radius * kSpokeInnerFraction, outer = radius - radius * 0.1;
    cairo_new_path(cairo);
    cairo_move_to(cairo, centerX + dx * inner, centerY + dy * inner);
    cairo_line_to(cairo, centerX + dx * outer, centerY + dy * outer);
    context.setSourceColor({kSpokeColor.red, kSpokeColor.green, kSpokeColor.blue, kSpokeColor.alpha * fade});
    cairo_stroke(cairo);
  }
  cairo_restore(cairo);
}

}  // namespace platform::ui
