#include "platform/ui/views/ScrollView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"

namespace platform::ui {

using graphics::Point;
using graphics::Rect;
using Operation = ScrollViewDelegate::Operation;

namespace {

// Moving content can be caught by the finger at any time.
ViewAnimationOptions movingOptions(ViewAnimationOptions::Curve curve) {
  ViewAnimationOptions options;
  options.curve = curve;
  options.allowUserInteraction = true;
  return options;
}

}  // namespace

std::shared_ptr<ScrollView> ScrollView::make(const Rect& frame) {
  auto view = std::make_shared<ScrollView>(ConstructionKey{}, frame);
  view->pan_->addTarget([weak = std::weak_ptr<ScrollView>(view)](GestureRecognizer& recognizer) {
    if (const std::shared_ptr<ScrollView> self = weak.lock()) {
      self->handlePan(static_cast<PanGestureRecognizer&>(recognizer));
    }
  });
  view->addGestureRecognizer(view->pan_);
  return view;
}

ScrollView::ScrollView(ConstructionKey key, const Rect& frame) : View(key, frame), pan_(PanGestureRecognizer::make()) {}

void ScrollView::setContentSize(graphics::Size size) {
  if (!std::isfinite(size.width) || !std::isfinite(size.height) || size.width < 0 || size.height < 0) {
    foundation::systemLog("ScrollView: ignored a content size that is negative or not a number");
    return;
  }
  contentSize_ = size;
}

bool ScrollView::isScrollEnabled() const { return pan_->isEnabled(); }

void ScrollView::setScrollEnabled(bool enabled) { pan_->setEnabled(enabled); }

Point ScrollView::maximumContentOffset() const {
  return {std::max(0.0, contentSize_.width - bounds().width()), std::max(0.0, contentSize_.height - bounds().height())};
}

Point ScrollView::clampedToContent(Point offset) const {
  const Point maximum = maximumContentOffset();
  return {std::clamp(offset.x, 0.0, maximum.x), std::clamp(offset.y, 0.0, maximum.y)};
}

Point ScrollView::nearestPageOffset() const {
  const Rect area = bounds();
  const auto nearest = [](double offset, double page) { return page > 0 ? std::round(offset / page) * page : offset; };
  return clampedToContent({nearest(area.x(), area.width()), nearest(area.y(), area.height())});
}

void ScrollView::setContentOffset(Point offset, bool animated) {
  if (!std::isfinite(offset.x) || !std::isfinite(offset.y)) {
    foundation::systemLog("ScrollView: ignored a content offset that is not a number");
    return;
  }
  if (animated) {
    View::animate(settleDuration, 0, movingOptions(ViewAnimationOptions::Curve::easeInOut),
                  [this, offset] { setContentOffset(offset); });
    return;
  }
  if (offset == contentOffset()) {
    return;
  }
  setBounds({offset.x, offset.y, bounds().width(), bounds().height()});
  tellDelegate(Operation::scrollViewDidScroll,
               [this](ScrollViewDelegate& delegate) { delegate.scrollViewDidScroll(*this); });
}

void ScrollView::tellDelegate(Operation operation, const std::function<void(ScrollViewDelegate&)>& call) {
  if (const std::shared_ptr<ScrollViewDelegate> delegate = delegate_.lock();
      delegate && delegate->implements(operation)) {
    call(*delegate);
  }
}

void ScrollView::handlePan(PanGestureRecognizer& pan) {
  switch (pan.state()) {
    case GestureRecognizer::State::began:
      beginDragging();
      [[fallthrough]];
    case GestureRecognizer::State::changed:
      if (const std::optional<Point> translation = pan.translationInView(superview().get())) {
        setContentOffset(clampedToContent({dragStartOffset_.x - translation->x, dragStartOffset_.y - translation->y}));
      }
      break;
    case GestureRecognizer::State::ended:
    case GestureRecognizer::State::cancelled:
      endDragging();
      break;
    case GestureRecognizer::State::possible:
    case GestureRecognizer::State::failed:
      break;
  }
}

void ScrollView::beginDragging() {
  // A drag catches the content where it is on screen, even in the middle of settling.
  const Point shown = layer()->presentationProperties().bounds.origin;
  layer()->removeAnimation("bounds");
  decelerating_ = false;
  setContentOffset(shown);
  dragStartOffset_ = shown;
  dragging_ = true;
  tellDelegate(Operation::scrollViewWillBeginDragging,
               [this](ScrollViewDelegate& delegate) { delegate.scrollViewWillBeginDragging(*this); });
}

void ScrollView::endDragging() {
  dragging_ = false;
  const Point target = pagingEnabled_ ? nearestPageOffset() : contentOffset();
  const bool willDecelerate = target != contentOffset();
  tellDelegate(Operation::scrollViewDidEndDragging, [this, willDecelerate](ScrollViewDelegate& delegate) {
    delegate.scrollViewDidEndDragging(*this, willDecelerate);
  });
  if (!willDecelerate) {
    return;
  }
  decelerating_ = true;
  View::animate(
      settleDuration, 0, movingOptions(ViewAnimationOptions::Curve::easeOut),
      [this, target] { setContentOffset(target); },
      [weak = std::weak_ptr<ScrollView>(std::static_pointer_cast<ScrollView>(shared_from_this()))](bool finished) {
        const std::shared_ptr<ScrollView> self = weak.lock();
        if (!self || !finished) {
          return;
        }
        self->decelerating_ = false;
        self->tellDelegate(Operation::scrollViewDidEndDecelerating,
                           [&self](ScrollViewDelegate& delegate) { delegate.scrollViewDidEndDecelerating(*self); });
      });
}

}  // namespace platform::ui
