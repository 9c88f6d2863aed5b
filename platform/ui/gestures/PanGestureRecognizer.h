#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include "platform/ui/gestures/GestureRecognizer.h"

namespace platform::ui {

// A continuous gesture: it begins once the fingers' centroid has moved far enough from where
// it went down, changes with every move and ends when the fingers lift.
class PanGestureRecognizer : public GestureRecognizer {
 public:
  // How far the fingers move before a pan begins.
  static constexpr double beginDistance = 10;

  static std::shared_ptr<PanGestureRecognizer> make(Action action = {});

  explicit PanGestureRecognizer(ConstructionKey key);

  int minimumNumberOfTouches() const { return minimumNumberOfTouches_; }
  // At least 1.
  void setMinimumNumberOfTouches(int touches);
  int maximumNumberOfTouches() const { return maximumNumberOfTouches_; }
  // At least 1.
  void setMaximumNumberOfTouches(int touches);

  // Asked, with the movement so far (root coordinates), when a pan would begin: false makes it
  // fail instead, leaving the touches to other recognisers. Every movement begins one unless set.
  void setShouldBegin(std::function<bool(graphics::Point movement)> shouldBegin) { shouldBegin_ = std::move(shouldBegin); }

  // How far the fingers have moved since they went down (or since setTranslation), in
  // `view`'s coordinates (nullptr: the root's). Nothing before any touch.
  std::optional<graphics::Point> translationInView(const View* view) const;
  // Makes the translation read `translation` in `view`'s coordinates from here on.
  void setTranslation(graphics::Point translation, const View* view);

 protected:
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesMoved(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void reset() override;

 private:
  int minimumNumberOfTouches_ = 1;
  int maximumNumberOfTouches_ = std::numeric_limits<int>::max();
  // In root coordinates.
  std::optional<graphics::Point> start_;
  std::function<bool(graphics::Point)> shouldBegin_;
};

}  // namespace platform::ui
