#pragma once

#include <memory>

#include "platform/objc/Object.h"
#include "platform/springboard/device/DeviceState.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The status bar ("_UIStatusBar"): time (on the home screen; the lock screen shows the
// carrier there), cellular bars and carrier, Wi-Fi bars, battery level. It lays itself out
// through the runtime, so a replaced layoutSubviews can move or hide its items.
class StatusBar : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<StatusBar> make(const graphics::Rect& frame, bool showsTime);

  StatusBar(ConstructionKey key, const graphics::Rect& frame, bool showsTime);

  std::string_view className() const override { return "_UIStatusBar"; }

  // Takes the device's values (and the time, when it shows one).
  void refresh(const DeviceState& state);

  const std::shared_ptr<ui::Label>& leadingLabel() const { return leadingLabel_; }
  const std::shared_ptr<ui::Label>& batteryLabel() const { return batteryLabel_; }

  static void declareClass(objc::Class& cls);

 protected:
  void layoutSubviews() override;

 private:
  void attachItems();
  void placeItems();

  bool showsTime_;
  std::shared_ptr<ui::Label> leadingLabel_;
  std::shared_ptr<ui::View> cellularBars_;
  std::shared_ptr<ui::View> wifiBars_;
  std::shared_ptr<ui::Label> batteryLabel_;
  std::shared_ptr<ui::View> batteryBody_;
  std::shared_ptr<ui::View> batteryFill_;
};

}  // namespace platform::springboard
