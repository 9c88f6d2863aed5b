#pragma once

#include <memory>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/ImageView.h"
#include "providers/animations/WeatherAnimationView.h"

namespace vantile {

// The sun by day and the moon by night crossing the top of the screen with the hours, moved
// once a minute while running.
class AnimationSun : public WeatherAnimationView {
 public:
  // Over the whole main screen.
  static std::shared_ptr<AnimationSun> make();
  AnimationSun(ConstructionKey key, const platform::graphics::Rect& frame);
  ~AnimationSun() override;

  void startAnimating() override;
  void stopAnimating() override;
  void updateSunAndMoonVisibility();

  std::shared_ptr<platform::ui::View> sunMoonView;
  std::shared_ptr<platform::ui::ImageView> sunImageView;
  std::shared_ptr<platform::ui::ImageView> moonImageView;
  std::shared_ptr<platform::foundation::RepeatingTimer> timer;
};

}  // namespace vantile
