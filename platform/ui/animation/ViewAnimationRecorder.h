#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/animation/TimingFunction.h"

namespace platform::ui {

class View;
class ViewAnimationCompletion;

// How the changes of one block animate.
struct ViewAnimationTiming {
  double duration = 0;
  double delay = 0;
  TimingFunction curve = TimingFunction::named(TimingFunction::Name::easeInEaseOut);
  bool repeats = false;
  bool autoreverses = false;
  bool beginFromCurrentState = false;
  bool allowUserInteraction = false;
};

// Turns the model changes made inside a block into layer animations. While a block runs,
// every view whose animatable property (frame, bounds, center, transform, alpha, background
// colour) is about to change tells the recorder, which keeps the view's values from before
// its first change; when the block ends, each property that changed gets an animation,
// keyed by its key path, from the old value to the new model value.
//
// Unless the timing allows user interaction, an animated view takes no touches until its
// animations stop.
//
// Blocks nest: a change belongs to the innermost block running, which animates it with its
// own timing, and the blocks around it leave that property alone. A block without timing
// (performWithoutAnimation, a duration of 0) changes its properties at once.
class ViewAnimationRecorder {
 public:
  // The completion (may be null) tracks every animation added.
  static void run(const std::optional<ViewAnimationTiming>& timing, const std::function<void()>& changes,
                  const std::shared_ptr<ViewAnimationCompletion>& completion);

  static void willChange(View& view);

 private:
  struct Block;
};

}  // namespace platform::ui
