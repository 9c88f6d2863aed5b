#pragma once

#include <memory>
#include <string>

#include "platform/objc/Object.h"
#include "platform/springboard/views/RuntimeViewHooks.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace platform::springboard {

// The lock screen's clock and date. SpringBoard updates its labels at every change of minute
// of the clock (the process drives it).
class SBFLockScreenDateView : public RuntimeView<ui::View> {
 public:
  static std::shared_ptr<SBFLockScreenDateView> make(const graphics::Rect& frame);

  SBFLockScreenDateView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "SBFLockScreenDateView"; }

  void updateLabels();
  int labelUpdateCount() const { return labelUpdateCount_; }

  const std::shared_ptr<ui::Label>& timeLabel() const { return timeLabel_; }
  const std::shared_ptr<ui::Label>& dateLabel() const { return dateLabel_; }

  static void declareClass(objc::Class& cls);

 private:
  std::shared_ptr<ui::Label> timeLabel_;
  std::shared_ptr<ui::Label> dateLabel_;
  int labelUpdateCount_ = 0;
};

// The large time of the lock screen from iOS 16 on, in the date view's place for the time.
class CSProminentTimeView : public ui::View, public objc::Object {
 public:
  static std::shared_ptr<CSProminentTimeView> make(const graphics::Rect& frame);

  CSProminentTimeView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "CSProminentTimeView"; }

  void updateTimeString();
  const std::shared_ptr<ui::Label>& timeLabel() const { return timeLabel_; }

  static void declareClass(objc::Class& cls);

 private:
  std::shared_ptr<ui::Label> timeLabel_;
};

}  // namespace platform::springboard
