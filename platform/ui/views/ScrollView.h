#pragma once

#include <functional>
#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/ui/views/ScrollViewDelegate.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

class PanGestureRecognizer;

// A view that shows a part of its content, moved by dragging. The content offset is the
// origin of the bounds, so subviews laid out over the content size move with it. Dragging
// keeps the offset within the content (no bouncing); with paging, the content settles on a
// multiple of the bounds size when the finger lifts, animated with the view animations.
class ScrollView : public View {
 public:
  // How long the content takes to settle on a page, or to move with an animated offset.
  static constexpr double settleDuration = 0.3;

  static std::shared_ptr<ScrollView> make(const graphics::Rect& frame = {});

  ScrollView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "ScrollView"; }

  graphics::Size contentSize() const { return contentSize_; }
  // Negative or non-finite sizes are refused.
  void setContentSize(graphics::Size size);

  graphics::Point contentOffset() const { return bounds().origin; }
  // Set as given (not kept within the content); animated, it moves over settleDuration.
  void setContentOffset(graphics::Point offset, bool animated = false);
  // The largest offset the content allows: content size less bounds size, at least 0.
  graphics::Point maximumContentOffset() const;

  bool isPagingEnabled() const { return pagingEnabled_; }
  void setPagingEnabled(bool enabled) { pagingEnabled_ = enabled; }
  bool isScrollEnabled() const;
  void setScrollEnabled(bool enabled);
  bool showsHorizontalScrollIndicator() const { return showsHorizontalScrollIndicator_; }
  void setShowsHorizontalScrollIndicator(bool shows) { showsHorizontalScrollIndicator_ = shows; }
  bool showsVerticalScrollIndicator() const { return showsVerticalScrollIndicator_; }
  void setShowsVerticalScrollIndicator(bool shows) { showsVerticalScrollIndicator_ = shows; }

  std::shared_ptr<ScrollViewDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<ScrollViewDelegate> delegate) { delegate_ = std::move(delegate); }

  bool isDragging() const { return dragging_; }
  bool isDecelerating() const { return decelerating_; }
  const std::shared_ptr<PanGestureRecognizer>& panGestureRecognizer() const { return pan_; }

 private:
  void handlePan(PanGestureRecognizer& pan);
  void beginDragging();
  void endDragging();
  graphics::Point clampedToContent(graphics::Point offset) const;
  // The page nearest to the current offset.
  graphics::Point nearestPageOffset() const;
  void tellDelegate(ScrollViewDelegate::Operation operation, const std::function<void(ScrollViewDelegate&)>& call);

  std::shared_ptr<PanGestureRecognizer> pan_;
  std::weak_ptr<ScrollViewDelegate> delegate_;
  graphics::Size contentSize_;
  graphics::Point dragStartOffset_;
  bool pagingEnabled_ = false;
  bool showsHorizontalScrollIndicator_ = true;
  bool showsVerticalScrollIndicator_ = true;
  bool dragging_ = false;
  bool decelerating_ = false;
};

}  // namespace platform::ui
