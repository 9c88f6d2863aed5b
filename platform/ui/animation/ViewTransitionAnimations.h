#pragma once

#include <vector>

#include "platform/ui/animation/KeyframeAnimation.h"
#include "platform/ui/layers/LayerProperties.h"
#include "platform/ui/animation/TimingFunction.h"
#include "platform/ui/animation/ViewAnimationOptions.h"

namespace platform::ui {

// The layer animations that show a view transition. Without snapshots of the old content,
// each transition is described by animations of the new content alone, which the renderer
// draws like any other:
//   - crossDissolve: the content fades in from transparent to its opacity;
//   - flips: the content narrows to nothing and widens back (flips from the left or right
//     scale x, from the top or bottom scale y), so the switch of content falls where it has
//     no width;
//   - curlUp / curlDown: the content fades in while sliding a quarter of its height up from
//     below / down from above, as a page turned away would uncover it.
// The direction of a flip does not show in this form.
class ViewTransitionAnimations {
 public:
  static std::vector<KeyframeAnimation> make(ViewTransition transition, const LayerProperties& model, double duration,
                                             const TimingFunction& curve);
};

}  // namespace platform::ui
