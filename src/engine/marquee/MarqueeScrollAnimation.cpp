// Scroll runs: the key-frame animations that move the sublabel, how a run repeats, and
// pausing and resuming a run.
#include <limits>

#include "engine/marquee/MarqueeLabel.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"

namespace vantile {

using platform::graphics::Point;
using platform::ui::KeyframeAnimation;
using platform::ui::TimingFunction;

namespace {

// A run that never ends: the one-way types stay at the far side.
constexpr double endless = std::numeric_limits<double>::max();

bool isOneWay(unsigned type) { return type == 4 || type == 5; }
bool isThereAndBack(unsigned type) { return type == 0 || type == 1; }

}  // namespace

void MarqueeLabel::beginScrollWithDelay(bool delay) {
  // A type above 5 has no run, and a reset label no home to run from.
  if (marqueeType_ > 5 || homeLabelFrame_.isNull()) return;
  const double delayAmount = delay ? animationDelay_ : 0;
  if (isOneWay(marqueeType_)) {
    scrollAwayWithInterval(animationDuration_, delayAmount, false);
  } else if (marqueeType_ == 2 || marqueeType_ == 3) {
    scrollContinuousWithInterval(animationDuration_, delayAmount);
  } else {
    scrollAwayWithInterval(animationDuration_);
  }
}

void MarqueeLabel::scrollAwayWithInterval(double interval, bool delay) {
  scrollAwayWithInterval(interval, delay ? animationDelay_ : 0, true);
}

void MarqueeLabel::scrollAwayWithInterval(double interval, double delayAmount, bool shouldReturn) {
  if (!labelReadyForScroll()) return;
  returnLabelToOriginImmediately();
  labelWillBeginScroll();
  const double duration = shouldReturn ? 2 * (interval + delayAmount) : endless;

  const Point home = homeLabelFrame_.origin;
  const Point far = MLOffsetCGPoint(home, awayOffset_);
  std::vector<Point> values{home, home, far, far};
  if (!isOneWay(marqueeType_)) values.push_back(home);
  std::optional<KeyframeAnimation> position = keyFrameAnimationForProperty("position", values, interval, delayAmount);
  if (!position) return;

  if (fadeLength_ != 0) {
    if (const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer()) {
      KeyframeAnimation fade = keyFrameAnimationForGradientFadeLength(fadeLength_, interval, delayAmount);
      fade.setDuration(duration);
      mask->addAnimation(fade, "gradient");
    }
  }
  scrollCompletionBlock_ = [weakLabel = weakSelf(),
                            interval, delayAmount, shouldReturn](bool finished) {
    const std::shared_ptr<MarqueeLabel> label = weakLabel.lock();
    if (!label) return;
    label->labelReturnedToHome(true);
    if (!label->window() || label->subLabel_->layer()->animationForKey("position") || !finished ||
        !label->scrollCompletionBlock_ || !label->labelShouldScroll() || label->tapToScroll_ ||
        label->holdScrolling_) {
      return;
    }
    label->scrollAwayWithInterval(interval, delayAmount, shouldReturn);
  };
  position->setDuration(duration);
  subLabel_->layer()->addAnimation(*position, "position");
}

void MarqueeLabel::scrollContinuousWithInterval(double interval, double delay) {
  scrollContinuousWithInterval(interval, delay, nullptr, nullptr);
}

void MarqueeLabel::scrollContinuousWithInterval(double interval, double delay,
                                                std::shared_ptr<const KeyframeAnimation> labelAnimation,
                                                std::shared_ptr<const KeyframeAnimation> gradientAnimation) {
  if (!labelReadyForScroll()) return;
  returnLabelToOriginImmediately();
  labelWillBeginScroll();
  const double duration = interval + delay;

  if (fadeLength_ != 0) {
    if (!gradientAnimation) {
      KeyframeAnimation fade = keyFrameAnimationForGradientFadeLength(fadeLength_, interval, delay);
      fade.setDuration(duration);
      gradientAnimation = std::make_shared<const KeyframeAnimation>(std::move(fade));
    }
    if (const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer()) {
      mask->addAnimation(*gradientAnimation, "gradient");
    }
  }
  if (!labelAnimation) {
    const Point home = homeLabelFrame_.origin;
    std::optional<KeyframeAnimation> position =
        keyFrameAnimationForProperty("position", {home, home, MLOffsetCGPoint(home, awayOffset_)}, interval, delay);
    if (!position) return;
    position->setDuration(duration);
    labelAnimation = std::make_shared<const KeyframeAnimation>(std::move(*position));
  }
  scrollCompletionBlock_ = [weakLabel = weakSelf(),
                            interval, delay, labelAnimation, gradientAnimation](bool finished) {
    const std::shared_ptr<MarqueeLabel> label = weakLabel.lock();
    if (!finished || !label) return;
    label->labelReturnedToHome(true);
    if (!label->window() || label->subLabel_->layer()->animationForKey("position") || !label->labelShouldScroll() ||
        label->tapToScroll_ || label->holdScrolling_) {
      return;
    }
    label->scrollContinuousWithInterval(interval, delay, labelAnimation, gradientAnimation);
  };
  subLabel_->layer()->addAnimation(*labelAnimation, "position");
}

std::optional<KeyframeAnimation> MarqueeLabel::keyFrameAnimationForProperty(const std::string& keyPath,
                                                                            const std::vector<Point>& values,
                                                                            double interval, double delay) {
  const TimingFunction curve = timingFunctionForAnimationOptions(animationCurve_);
  std::vector<double> keyTimes;
  std::size_t segments = 0;
  if (isOneWay(marqueeType_)) {
    if (values.size() != 4) {
      platform::foundation::systemLog("Incorrect number of values passed for MLLeft-type animation");
      return std::nullopt;
    }
    keyTimes = {0, delay / endless, (interval + delay) / endless, 1};
    segments = 3;
  } else if (isThereAndBack(marqueeType_)) {
    if (values.size() != 5) {
      platform::foundation::systemLog("Incorrect number of values passed for MLLeftRight-type animation");
      return std::nullopt;
    }
    const double cycle = 2 * (interval + delay);
    keyTimes = {0, delay / cycle, (interval + delay) / cycle, (interval + 2 * delay) / cycle, 1};
    segments = 4;
  } else {
    if (values.size() != 3) {
      platform::foundation::systemLog("Incorrect number of values passed for MLContinous-type animation");
      return std::nullopt;
    }
    keyTimes = {0, delay / (interval + delay), 1};
    segments = 2;
  }
  KeyframeAnimation animation(keyPath);
  animation.setValues({values.begin(), values.end()});
  animation.setKeyTimes(std::move(keyTimes));
  animation.setTimingFunctions(std::vector<TimingFunction>(segments, curve));
  animation.setDidStop(delegateCallback());
  return animation;
}

TimingFunction MarqueeLabel::timingFunctionForAnimationOptions(unsigned curve) {
  switch (curve) {
    case 0:
      return TimingFunction::named(TimingFunction::Name::easeInEaseOut);
    case 0x10000:
      return TimingFunction::named(TimingFunction::Name::easeIn);
    case 0x20000:
      return TimingFunction::named(TimingFunction::Name::easeOut);
    default:
      return TimingFunction::named(TimingFunction::Name::linear);
  }
}

std::function<void(bool)> MarqueeLabel::delegateCallback() {
  return [weakLabel = weakSelf()](
             bool finished) {
    if (const std::shared_ptr<MarqueeLabel> label = weakLabel.lock()) label->animationDidStop(finished);
  };
}

void MarqueeLabel::animationDidStop(bool finished) {
  // A copy: the callback may start a run that stores a new one.
  if (const CompletionBlock completion = scrollCompletionBlock_) completion(finished);
}

void MarqueeLabel::returnLabelToOriginImmediately() {
  if (const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer()) mask->removeAllAnimations();
  subLabel_->layer()->removeAllAnimations();
  scrollCompletionBlock_ = nullptr;
}

void MarqueeLabel::pauseLabel() {
  if (isPaused_ || !awayFromHome()) return;
  pauseLayer(*subLabel_->layer());
  if (const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer()) pauseLayer(*mask);
  isPaused_ = true;
}

void MarqueeLabel::unpauseLabel() {
  if (!isPaused_) return;
  unpauseLayer(*subLabel_->layer());
  if (const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer()) unpauseLayer(*mask);
  isPaused_ = false;
}

void MarqueeLabel::pauseLayer(platform::ui::Layer& layer) {
  const double pausedTime = layer.localTime(platform::foundation::MainQueue::shared().now());
  layer.setSpeed(0);
  layer.setTimeOffset(pausedTime);
}

void MarqueeLabel::unpauseLayer(platform::ui::Layer& layer) {
  const double pausedTime = layer.timeOffset();
  layer.setSpeed(1);
  layer.setTimeOffset(0);
  layer.setBeginTime(0);
  layer.setBeginTime(layer.localTime(platform::foundation::MainQueue::shared().now()) - pausedTime);
}

}  // namespace vantile
