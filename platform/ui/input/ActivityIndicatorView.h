#pragma once

#include <memory>
#include <optional>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

// The platform's spinner: spokes around a centre, fading behind a bright one that goes round
// once a second on the main queue's clock while it animates, drawn at the time of drawing.
class ActivityIndicatorView : public View {
 public:
  static constexpr graphics::Size size{20, 20};
  static constexpr int spokeCount = 12;
  static constexpr double revolutionSeconds = 1;

  // The platform's white style; its size is fixed, centred on the frame's centre.
  static std::shared_ptr<ActivityIndicatorView> make(graphics::Point center = {});

  ActivityIndicatorView(ConstructionKey key, graphics::Point center);

  std::string_view className() const override { return "ActivityIndicatorView"; }

  void startAnimating();
  void stopAnimating();
  bool isAnimating() const { return startedAt_.has_value(); }
  // Yes by default: hidden while stopped, shown when started.
  bool hidesWhenStopped() const { return hidesWhenStopped_; }
  void setHidesWhenStopped(bool hides);

  // The spoke drawn brightest at the current time: 0 (straight up) while stopped, then one
  // step clockwise every revolutionSeconds / spokeCount.
  int leadingSpoke() const;

 protected:
  void drawContent(DrawingContext& context) const override;

 private:
  std::optional<foundation::TimeStamp> startedAt_;
  bool hidesWhenStopped_ = true;
};

}  // namespace platform::ui
