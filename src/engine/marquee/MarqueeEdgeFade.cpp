// The edge fade: a horizontal gradient mask whose four stops hide or show the text at the
// label's edges, and the key-frame animation of its colours during a run.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/marquee/MarqueeLabel.h"
#include "engine/marquee/MarqueeTimingCurve.h"
#include "platform/ui/animation/BasicAnimation.h"

namespace vantile {

using platform::graphics::Color;
using platform::ui::AnimationValue;
using platform::ui::ColorList;
using platform::ui::KeyframeAnimation;
using platform::ui::TimingFunction;

namespace {

constexpr double setupFadeDuration = 0.25;
constexpr double endless = std::numeric_limits<double>::max();

// Four stops written as digits: 1 shows the text (opaque black), 0 hides it (clear).
ColorList pattern(std::initializer_list<int> stops) {
  ColorList colors;
  for (const int stop : stops) colors.push_back(Color{0, 0, 0, stop != 0 ? 1.0 : 0.0});
  return colors;
}

bool restsAtRight(unsigned type) { return type == 1 || type == 3 || type == 5; }

// What follows the first value of a run's fade, by type.
std::vector<ColorList> fadeSteps(unsigned type) {
  const ColorList right = pattern({1, 1, 1, 0});
  const ColorList left = pattern({0, 1, 1, 1});
  const ColorList both = pattern({0, 1, 1, 0});
  switch (type) {
    case 0:
      return {right, both, both, left, left, both, both, right};
    case 1:
      return {left, both, both, right, right, both, both, left};
    case 2:
      return {right, both, both, right, right};
    case 3:
      return {left, both, both, left, left};
    case 4:
      return {right, both, both, left, left};
    default:
      return {left, both, both, right, right};
  }
}

// Clamps key times into 0...1 and keeps them ascending, so short runs still animate.
std::vector<double> ascending(std::vector<double> times) {
  double previous = 0;
  for (double& time : times) {
    time = std::clamp(std::isfinite(time) ? time : 1.0, previous, 1.0);
    previous = time;
  }
  return times;
}

}  // namespace

std::vector<Color> MarqueeLabel::restFadeColors() const {
  const bool scrolls = labelShouldScroll();
  return restsAtRight(marqueeType_) ? pattern({scrolls ? 0 : 1, 1, 1, 1}) : pattern({1, 1, 1, scrolls ? 0 : 1});
}

void MarqueeLabel::applyGradientMaskForFadeLength(double fadeLength, bool animated) {
  std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer();
  if (mask) mask->removeAllAnimations();
  if (fadeLength <= 0) {
    removeGradientMask();
    return;
  }
  const bool isNew = !mask;
  if (isNew) {
    mask = platform::ui::GradientLayer::make();
    mask->setStartPoint({0, 0.5});
    mask->setEndPoint({1, 0.5});
  }
  const platform::graphics::Rect labelBounds = layer()->bounds();
  if (isNew || mask->bounds() != labelBounds) {
    const double share = fadeLength / labelBounds.width();
    mask->setLocations(std::vector<double>{0.0, share, 1 - share, 1.0});
  }
  mask->setBounds(labelBounds);
  mask->setPosition({labelBounds.midX(), labelBounds.midY()});
  layer()->setMask(mask);

  const ColorList rest = restFadeColors();
  if (!animated) {
    mask->setColors(rest);
    return;
  }
  platform::ui::BasicAnimation setup("colors");
  // A new mask has no colours yet: it fades in from showing everything.
  setup.setFromValue(mask->colors().empty() ? pattern({1, 1, 1, 1}) : mask->colors());
  setup.setToValue(rest);
  setup.setDuration(setupFadeDuration);
  setup.setRemovedOnCompletion(false);
  setup.setDidStop([weakLabel = weakSelf(),
                    rest](bool) {
    if (const std::shared_ptr<MarqueeLabel> label = weakLabel.lock()) label->setupFadeDidStop(rest);
  });
  mask->addAnimation(setup, "setupFade");
}

void MarqueeLabel::setupFadeDidStop(const ColorList& toValue) {
  const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer();
  if (!mask) return;
  mask->setColors(toValue);
  mask->removeAnimation("setupFade");
}

void MarqueeLabel::removeGradientMask() { layer()->setMask(nullptr); }

KeyframeAnimation MarqueeLabel::keyFrameAnimationForGradientFadeLength(double, double interval, double delay) const {
  const TimingFunction curve = timingFunctionForAnimationOptions(animationCurve_);
  std::vector<double> keyTimes;
  if (marqueeType_ == 4 || marqueeType_ == 5) {
    keyTimes = {0, delay / endless, (delay + 0.4) / endless, (interval + delay - 0.4) / endless,
                (interval + delay) / endless, 1};
  } else if (marqueeType_ == 0 || marqueeType_ == 1) {
    const double cycle = 2 * (interval + delay);
    keyTimes = {0,
                delay / cycle,
                (delay + 0.4) / cycle,
                (interval + delay - 0.4) / cycle,
                (interval + delay) / cycle,
                (interval + 2 * delay) / cycle,
                (interval + 2 * delay + 0.4) / cycle,
                (cycle - 0.4) / cycle,
                1};
  } else {
    const double cycle = interval + delay;
    // The first copy has wholly left the label once it has moved its own width plus the lead.
    const double leftAt = std::abs((subLabel_->bounds().width() + leadingBuffer_) / awayOffset_);
    const double p = durationPercentageForPositionPercentage(curve, leftAt, cycle);
    keyTimes = {0, delay / cycle, (delay + 0.2) / cycle, (p * interval + delay) / cycle,
                (p * interval + delay + 0.1) / cycle, 1};
  }

  std::vector<AnimationValue> values;
  const std::shared_ptr<platform::ui::GradientLayer> mask = maskLayer();
  ColorList first = mask ? mask->presentationGradientProperties().colors : ColorList{};
  if (first.size() != 4) {
    first = restsAtRight(marqueeType_) ? pattern({0, 1, 1, 1}) : pattern({1, 1, 1, 0});
  }
  values.emplace_back(std::move(first));
  for (ColorList& step : fadeSteps(marqueeType_)) values.emplace_back(std::move(step));

  KeyframeAnimation animation("colors");
  animation.setValues(std::move(values));
  animation.setKeyTimes(ascending(std::move(keyTimes)));
  animation.setTimingFunctions(std::vector<TimingFunction>(4, curve));
  return animation;
}

}  // namespace vantile
