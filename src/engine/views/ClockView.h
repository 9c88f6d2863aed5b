#pragma once

#include <memory>
#include <optional>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/views/View.h"

namespace vantile {

// The analog clock of "AnalogClock" elements: a face with hour, minute and second hands,
// each a plain layer, turned once a second to the main queue's time in the process's zone.
//
// Running rules: `start` replaces any timer already running; `stop`, and removing the clock
// from its superview, stop it until the next `start`. When the clock leaves its window (its
// tree is detached from the screen) the timer pauses, and it resumes when the clock enters
// a window again, unless it was stopped meanwhile. The timer never keeps the clock alive:
// a clock dropped by its tree stops with it.
class ClockView : public platform::ui::View {
 public:
  static std::shared_ptr<ClockView> make(const platform::graphics::Rect& frame);

  ClockView(ConstructionKey key, const platform::graphics::Rect& frame);
  ~ClockView() override;

  std::string_view className() const override { return "ClockView"; }

  // The face; holds the hands, added minute, hour, second (the second hand on top).
  const std::shared_ptr<platform::ui::Layer>& containerLayer() const { return containerLayer_; }
  const std::shared_ptr<platform::ui::Layer>& hourHand() const { return hourHand_; }
  const std::shared_ptr<platform::ui::Layer>& minHand() const { return minHand_; }
  const std::shared_ptr<platform::ui::Layer>& secHand() const { return secHand_; }
  // The repeating 1 s timer while the clock runs; null otherwise.
  const std::shared_ptr<platform::foundation::RepeatingTimer>& timer() const { return timer_; }

  // The second hand sweeps through each second instead of stepping.
  bool secHandContinuos() const { return secHandContinuos_; }
  void setSecHandContinuos(bool continuous) { secHandContinuos_ = continuous; }

  // Nothing gives the drawn default of that part. Hand pictures show at half their pixel size.
  void setClockBackgroundImage(std::optional<platform::graphics::Image> image);
  void setHourHandImage(std::optional<platform::graphics::Image> image);
  void setMinHandImage(std::optional<platform::graphics::Image> image);
  void setSecHandImage(std::optional<platform::graphics::Image> image);

  // Lays the hands out from the current frame, shows the time and ticks every second.
  void start();
  void stop();

  // Turns the hands to the current time.
  void updateClock();

  static float Degrees2Radians(float degrees);

 protected:
  void willMoveToSuperview(platform::ui::View* newSuperview) override;
  void didMoveToWindow() override;

 private:
  void defaultSetup();
  void setupSubviews();
  void scheduleTimer();
  void cancelTimer();

  std::shared_ptr<platform::ui::Layer> containerLayer_;
  std::shared_ptr<platform::ui::Layer> hourHand_;
  std::shared_ptr<platform::ui::Layer> minHand_;
  std::shared_ptr<platform::ui::Layer> secHand_;
  std::shared_ptr<platform::foundation::RepeatingTimer> timer_;
  bool secHandContinuos_ = false;
  // Set by `start`, cleared by `stop`: whether entering a window resumes the timer.
  bool started_ = false;
};

}  // namespace vantile
