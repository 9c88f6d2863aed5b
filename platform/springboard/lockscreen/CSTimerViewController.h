#pragma once

#include <memory>
#include <string>

#include "platform/objc/Object.h"
#include "platform/objc/SharedObject.h"
#include "platform/ui/text/Label.h"

namespace platform::springboard {

// The Clock app's countdown on the lock screen ("SBLockScreenTimerView" before iOS 14,
// "CSTimerView" after); its `string` is the time left, as "4:05".
class SBLockScreenTimerView : public ui::Label, public objc::Object {
 public:
  static std::shared_ptr<SBLockScreenTimerView> make(int iosVersion, const graphics::Rect& frame);

  SBLockScreenTimerView(ConstructionKey key, int iosVersion, const graphics::Rect& frame);

  std::string_view className() const override;

  // The time left, as the view shows it.
  std::string string() const { return string_; }
  void setRemaining(double seconds);
  // Before iOS 14 the view updates its own label each second.
  void updateTimerLabel();

  static void declareClass(objc::Class& cls);

 private:
  std::string fallbackName_;
  std::string string_;
};

// Runs the countdown's view ("SBLockScreenTimerViewController" before iOS 14,
// "CSTimerViewController" after).
class CSTimerViewController : public objc::SharedObject {
 public:
  CSTimerViewController(int iosVersion, std::shared_ptr<SBLockScreenTimerView> timerView);

  const std::shared_ptr<SBLockScreenTimerView>& timerView() const { return timerView_; }

  // One second of the countdown: the label follows (through the operation of the version).
  void tick(double remaining);
  void stopTimer();

  static void declareClass(objc::Class& cls);
  static void declareLabelUpdate(objc::Class& cls);

 private:
  int iosVersion_;
  std::shared_ptr<SBLockScreenTimerView> timerView_;
};

}  // namespace platform::springboard
