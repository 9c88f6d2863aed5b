#include "platform/ui/animation/ViewAnimator.h"

#include <cmath>
#include <optional>
#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/animation/ViewAnimationCompletion.h"
#include "platform/ui/animation/ViewAnimationRecorder.h"
#include "platform/ui/animation/ViewTransitionAnimations.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

namespace {

TimingFunction curveOf(const ViewAnimationOptions& options) {
  switch (options.curve) {
    case ViewAnimationOptions::Curve::easeInOut:
      return TimingFunction::named(TimingFunction::Name::easeInEaseOut);
    case ViewAnimationOptions::Curve::easeIn:
      return TimingFunction::named(TimingFunction::Name::easeIn);
    case ViewAnimationOptions::Curve::easeOut:
      return TimingFunction::named(TimingFunction::Name::easeOut);
    case ViewAnimationOptions::Curve::linear:
      return TimingFunction::named(TimingFunction::Name::linear);
  }
  return TimingFunction::named(TimingFunction::Name::easeInEaseOut);
}

bool animates(double duration) { return std::isfinite(duration) && duration > 0; }

// Nothing (change at once) for durations that do not animate.
std::optional<ViewAnimationTiming> timingOf(double duration, double delay, const ViewAnimationOptions& options,
                                            TimingFunction curve) {
  if (!animates(duration)) {
    return std::nullopt;
  }
  return ViewAnimationTiming{duration,
                             std::isfinite(delay) ? delay : 0,
                             std::move(curve),
                             options.repeat,
                             options.autoreverse,
                             options.beginFromCurrentState,
                             options.allowUserInteraction};
}

// Changes at once, then shows `transition` on `layer` (when there is one to show).
void runTransition(const std::shared_ptr<Layer>& layer, double duration, const ViewAnimationOptions& options,
                   const std::shared_ptr<ViewAnimationCompletion>& completion) {
  if (!options.transition || !animates(duration)) {
    return;
  }
  for (KeyframeAnimation& animation :
       ViewTransitionAnimations::make(*options.transition, layer->properties(), duration, curveOf(options))) {
    animation.setDidStop(completion->track());
    layer->addAnimation(animation, "transition." + animation.keyPath());
  }
}

}  // namespace

void ViewAnimator::animate(double duration, double delay, const ViewAnimationOptions& options, const Changes& changes,
                           Completion completion) {
  const std::shared_ptr<ViewAnimationCompletion> done = ViewAnimationCompletion::make(std::move(completion));
  ViewAnimationRecorder::run(timingOf(duration, delay, options, curveOf(options)), changes, done);
  done->seal();
}

void ViewAnimator::animateWithSpring(double duration, double delay, double dampingRatio, double initialVelocity,
                                     const ViewAnimationOptions& options, const Changes& changes,
                                     Completion completion) {
  const double velocityPerDuration = animates(duration) ? initialVelocity * duration : 0;
  const std::shared_ptr<ViewAnimationCompletion> done = ViewAnimationCompletion::make(std::move(completion));
  ViewAnimationRecorder::run(
      timingOf(duration, delay, options, TimingFunction::spring(dampingRatio, velocityPerDuration)), changes, done);
  done->seal();
}

void ViewAnimator::performWithoutAnimation(const Changes& changes) {
  ViewAnimationRecorder::run(std::nullopt, changes, nullptr);
}

void ViewAnimator::transition(const std::shared_ptr<View>& view, double duration, const ViewAnimationOptions& options,
                              const Changes& changes, Completion completion) {
  const std::shared_ptr<ViewAnimationCompletion> done = ViewAnimationCompletion::make(std::move(completion));
  ViewAnimationRecorder::run(std::nullopt, changes, nullptr);
  if (!view) {
    foundation::systemLog("View: a transition without a view changes at once");
    done->seal(false);
    return;
  }
  runTransition(view->layer(), duration, options, done);
  done->seal();
}

void ViewAnimator::transitionFromView(const std::shared_ptr<View>& fromView, const std::shared_ptr<View>& toView,
                                      double duration, const ViewAnimationOptions& options, Completion completion) {
  const std::shared_ptr<ViewAnimationCompletion> done = ViewAnimationCompletion::make(std::move(completion));
  const std::shared_ptr<View> superview = fromView ? fromView->superview() : nullptr;
  if (!toView || (!superview && !options.showHideTransitionViews)) {
    foundation::systemLog("View: a transition between views needs a new view and an old one in a superview");
    done->seal(false);
    return;
  }
  ViewAnimationRecorder::run(
      std::nullopt,
      [&] {
        if (options.showHideTransitionViews) {
          if (fromView) {
            fromView->setHidden(true);
          }
          toView->setHidden(false);
        } else {
          superview->insertSubviewAbove(toView, *fromView);
          fromView->removeFromSuperview();
        }
      },
      nullptr);
  runTransition(toView->layer(), duration, options, done);
  done->seal();
}

}  // namespace platform::ui
