#pragma once

#include <functional>
#include <memory>

#include "platform/ui/animation/ViewAnimationOptions.h"

namespace platform::ui {

class View;

// View's block animations and transitions (View::animate and its kin forward here).
class ViewAnimator {
 public:
  using Changes = std::function<void()>;
  using Completion = std::function<void(bool finished)>;

  static void animate(double duration, double delay, const ViewAnimationOptions& options, const Changes& changes,
                      Completion completion);
  static void animateWithSpring(double duration, double delay, double dampingRatio, double initialVelocity,
                                const ViewAnimationOptions& options, const Changes& changes, Completion completion);
  static void performWithoutAnimation(const Changes& changes);
  static void transition(const std::shared_ptr<View>& view, double duration, const ViewAnimationOptions& options,
                         const Changes& changes, Completion completion);
  static void transitionFromView(const std::shared_ptr<View>& fromView, const std::shared_ptr<View>& toView,
                                 double duration, const ViewAnimationOptions& options, Completion completion);
};

}  // namespace platform::ui
