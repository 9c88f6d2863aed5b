#pragma once

#include <optional>

namespace platform::ui {

// How a view transition shows the change of content.
enum class ViewTransition { flipFromLeft, flipFromRight, flipFromTop, flipFromBottom, curlUp, curlDown, crossDissolve };

// The options of a block animation or transition, as the platform's option flags.
struct ViewAnimationOptions {
  enum class Curve { easeInOut, easeIn, easeOut, linear };

  Curve curve = Curve::easeInOut;
  // Repeats for ever (the completion then only comes when the animations are removed).
  bool repeat = false;
  // Each pass runs forwards, then backwards; the model values stay the new ones.
  bool autoreverse = false;
  // Without it, views being animated by the block take no touches until it ends.
  bool allowUserInteraction = false;
  // Starts from what is on screen instead of from the model value when an animation of the
  // same property is already running.
  bool beginFromCurrentState = false;
  // Transitions only.
  std::optional<ViewTransition> transition;
  // transitionFromView: hides the old view and shows the new one, instead of taking the old
  // one out of the tree and putting the new one in its place.
  bool showHideTransitionViews = false;
};

}  // namespace platform::ui
