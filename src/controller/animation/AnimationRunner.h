#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"

namespace platform::ui {
class GestureRecognizer;
class View;
}  // namespace platform::ui

namespace vantile {

class AnimationHost;

// Plays an element's "animation" value on the host's views: one step per target with the
// platform's view animations, triggers queued on the main queue, spins. In the theme controller
// every caller sets isLSTap first: it picks the lock-screen or the home-screen theme for the run.
class AnimationRunner {
 public:
  explicit AnimationRunner(AnimationHost& host) : host_(host) {}

  // The source element is the one whose view has the tag (decimal text); the host runs it.
  void handleAnimation(const std::string& senderTag);
  void handleAnimation(const platform::ui::GestureRecognizer& recognizer);
  void handleAnimation(const std::shared_ptr<platform::ui::View>& view);
  // The named element's "animation": "none" runs `whenNone` instead; a "spin:" step starts or
  // stops its spin; any other value but "" and "{}" plays its steps, right after `beforePlaying`.
  void handleElementAnimation(const std::string& name, const std::function<void()>& whenNone,
                              const std::function<void()>& beforePlaying);
  void handleAllAnimations(const platform::Value& animation, const std::string& itemName);
  void makeTheAnimation(platform::Value& settings, const std::string& itemAnimation, const std::string& item,
                        const std::string& itemName, const std::shared_ptr<platform::ui::View>& elementView);
  // Inside an animation block: frame, opacity and transform from the settings.
  static void runAnimationWithStuff(const platform::Value& settings, platform::ui::View& view);
  // The view's own animation, after at least one frame.
  void queNextAnimation(std::shared_ptr<platform::ui::View> view, float delay);
  // Asked only of views with exactly three subviews.
  static bool isAppIcon(const platform::ui::View& view);
  static void setElementNowInfoToAnimationStuff(platform::Value& settings, const platform::ui::View& view);
  static platform::graphics::Rect getFrameWithoutTransform(const platform::ui::View& view);

  // A re-queued step with "wait:0" would otherwise spin the main queue.
  static constexpr double kMinimumQueueDelay = 1.0 / 60.0;

 private:
  AnimationHost& host_;
};

}  // namespace vantile
