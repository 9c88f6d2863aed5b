#pragma once

namespace platform::ui {

class ScrollView;

// What a scroll view tells its delegate. Every operation is optional: the scroll view asks
// implements() before calling one.
class ScrollViewDelegate {
 public:
  enum class Operation {
    scrollViewDidScroll,
    scrollViewWillBeginDragging,
    scrollViewDidEndDragging,
    scrollViewDidEndDecelerating,
  };

  virtual ~ScrollViewDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  // The content offset changed.
  virtual void scrollViewDidScroll(ScrollView&) {}
  virtual void scrollViewWillBeginDragging(ScrollView&) {}
  // `willDecelerate`: the content goes on moving (to a page) after the finger lifted.
  virtual void scrollViewDidEndDragging(ScrollView&, bool /*willDecelerate*/) {}
  // The content came to rest after a drag that decelerated.
  virtual void scrollViewDidEndDecelerating(ScrollView&) {}
};

}  // namespace platform::ui
