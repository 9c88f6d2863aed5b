#include "platform/ui/animation/ViewAnimationRecorder.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/layers/LayerKeyPaths.h"
#include "platform/ui/views/View.h"
#include "platform/ui/animation/ViewAnimationCompletion.h"

namespace platform::ui {

namespace {

// The layer key paths behind a view's animatable properties (the frame and centre move
// position and bounds).
constexpr std::array<const char*, 5> animatedKeyPaths = {"position", "bounds", "transform", "opacity",
                                                         "backgroundColor"};

struct Touched {
  std::weak_ptr<View> view;
  std::shared_ptr<Layer> layer;
  LayerProperties modelBefore;
  LayerProperties presentationBefore;
};

using Claim = std::pair<const Layer*, std::string>;

std::optional<AnimationValue> valueOf(const LayerProperties& properties, const std::string& keyPath) {
  LayerProperties copy = properties;
  return LayerKeyPaths(copy).value(keyPath);
}

BasicAnimation makeAnimation(const std::string& keyPath, AnimationValue from, AnimationValue to,
                             const ViewAnimationTiming& timing) {
  BasicAnimation animation(keyPath);
  animation.setFromValue(std::move(from));
  animation.setToValue(std::move(to));
  animation.setDuration(timing.duration);
  animation.setBeginTime(timing.delay);
  animation.setTimingFunction(timing.curve);
  animation.setRepeatCount(timing.repeats ? std::numeric_limits<double>::infinity() : 0);
  animation.setAutoreverses(timing.autoreverses);
  // A delayed animation shows the old value until it starts, not the new model value.
  animation.setFillMode(FillMode::backwards);
  return animation;
}

}  // namespace

struct ViewAnimationRecorder::Block {
  std::optional<ViewAnimationTiming> timing;
  std::vector<Touched> touched;
  // Properties that blocks nested in this one took care of.
  std::set<Claim> claimed;

  static std::vector<Block*>& open() {
    static std::vector<Block*> blocks;
    return blocks;
  }

  // Tells the completion, and lets the view take touches again once no animation holds them back.
  std::function<void(bool)> stopCallback(const std::weak_ptr<View>& weakView,
                                         const std::shared_ptr<ViewAnimationCompletion>& completion) const {
    std::function<void(bool)> tracked = completion ? completion->track() : nullptr;
    std::shared_ptr<View> view = weakView.lock();
    if (!view || timing->allowUserInteraction) {
      return tracked;
    }
    ++view->touchBlockingAnimations_;
    return [weakView, tracked = std::move(tracked)](bool finished) {
      if (const std::shared_ptr<View> stopped = weakView.lock(); stopped && stopped->touchBlockingAnimations_ > 0) {
        --stopped->touchBlockingAnimations_;
      }
      if (tracked) {
        tracked(finished);
      }
    };
  }

  // Animates what changed, and returns every property this block and those inside it changed.
  std::set<Claim> commit(const std::shared_ptr<ViewAnimationCompletion>& completion) {
    std::set<Claim> changed = claimed;
    for (const Touched& entry : touched) {
      const LayerProperties& after = entry.layer->properties();
      for (const std::string keyPath : animatedKeyPaths) {
        Claim claim{entry.layer.get(), keyPath};
        const std::optional<AnimationValue> to = valueOf(after, keyPath);
        if (claimed.contains(claim) || !to || to == valueOf(entry.modelBefore, keyPath)) {
          continue;
        }
        changed.insert(std::move(claim));
        if (!timing) {
          continue;
        }
        const LayerProperties& before = timing->beginFromCurrentState ? entry.presentationBefore : entry.modelBefore;
        if (const std::optional<AnimationValue> from = valueOf(before, keyPath)) {
          BasicAnimation animation = makeAnimation(keyPath, *from, *to, *timing);
          animation.setDidStop(stopCallback(entry.view, completion));
          entry.layer->addAnimation(animation, keyPath);
        }
      }
    }
    return changed;
  }
};

void ViewAnimationRecorder::run(const std::optional<ViewAnimationTiming>& timing, const std::function<void()>& changes,
                                const std::shared_ptr<ViewAnimationCompletion>& completion) {
  Block block{timing, {}, {}};
  std::vector<Block*>& open = Block::open();
  {
    struct Opened {
      std::vector<Block*>& open;
      ~Opened() { open.pop_back(); }
    } opened{open};
    open.push_back(&block);
    if (changes) {
      changes();
    }
  }
  std::set<Claim> changed = block.commit(completion);
  if (!open.empty()) {
    open.back()->claimed.merge(changed);
  }
}

void ViewAnimationRecorder::willChange(View& view) {
  std::vector<Block*>& open = Block::open();
  if (open.empty()) {
    return;
  }
  Block& block = *open.back();
  const std::shared_ptr<Layer>& layer = view.layer();
  const bool known = std::any_of(block.touched.begin(), block.touched.end(),
                                 [&layer](const Touched& entry) { return entry.layer == layer; });
  if (!known) {
    block.touched.push_back({view.weak_from_this(), layer, layer->properties(), layer->presentationProperties()});
  }
}

}  // namespace platform::ui
