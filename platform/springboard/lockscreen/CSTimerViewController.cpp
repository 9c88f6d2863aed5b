#include "platform/springboard/lockscreen/CSTimerViewController.h"

#include <cmath>

#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/runtime/SpringBoardClasses.h"

namespace platform::springboard {

namespace {

std::string countdownText(double seconds) {
  const long whole = std::lround(std::max(0.0, std::ceil(seconds)));
  const long hours = whole / 3600;
  const long minutes = whole / 60 % 60;
  const long rest = whole % 60;
  const auto twoDigits = [](long value) {
    std::string text = std::to_string(value);
    if (value < 10) text.insert(text.begin(), '0');
    return text;
  };
  return hours > 0 ? std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(rest)
                   : std::to_string(minutes) + ":" + twoDigits(rest);
}

}  // namespace

std::shared_ptr<SBLockScreenTimerView> SBLockScreenTimerView::make(int iosVersion, const graphics::Rect& frame) {
  return std::make_shared<SBLockScreenTimerView>(ConstructionKey{}, iosVersion, frame);
}

SBLockScreenTimerView::SBLockScreenTimerView(ConstructionKey key, int iosVersion, const graphics::Rect& frame)
    : Label(key, frame),
      Object(versionedClassName("CSTimerView", iosVersion)),
      fallbackName_(versionedClassName("CSTimerView", iosVersion)) {
  setUserInteractionEnabled(false);
  setTextColor({1, 1, 1, 1});
  setFont(graphics::systemFont(17));
  setTextAlignment(ui::TextAlignment::center);
}

std::string_view SBLockScreenTimerView::className() const { return runtimeClassName(*this, fallbackName_); }

void SBLockScreenTimerView::setRemaining(double seconds) { string_ = countdownText(seconds); }

void SBLockScreenTimerView::updateTimerLabel() { objc::send<signatures::Action>(*this, "updateTimerLabel"); }

void SBLockScreenTimerView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Text>(cls, "string", [](objc::Object& self) { return receiver<SBLockScreenTimerView>(self).string_; });
  objc::addProperty(cls, "string", [](objc::Object& self) { return receiver<SBLockScreenTimerView>(self).string_; });
  objc::addMethod<signatures::Action>(cls, "updateTimerLabel", [](objc::Object& self) {
    auto& view = receiver<SBLockScreenTimerView>(self);
    view.setText(view.string_);
  });
}

CSTimerViewController::CSTimerViewController(int iosVersion, std::shared_ptr<SBLockScreenTimerView> timerView)
    : SharedObject(versionedClassName("CSTimerViewController", iosVersion)),
      iosVersion_(iosVersion),
      timerView_(std::move(timerView)) {}

void CSTimerViewController::tick(double remaining) {
  timerView_->setRemaining(remaining);
  timerView_->setHidden(false);
  if (iosVersion_ >= 14) {
    objc::send<signatures::Action>(*this, "_updateTimerLabelView");
  } else {
    timerView_->updateTimerLabel();
  }
}

void CSTimerViewController::stopTimer() { objc::send<signatures::Action>(*this, "_stopTimer"); }

void CSTimerViewController::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "_stopTimer", [](objc::Object& self) {
    auto& controller = receiver<CSTimerViewController>(self);
    controller.timerView_->setText("");
    controller.timerView_->setHidden(true);
  });
  const auto timerView = [](objc::Object& self) {
    return asObject(receiver<CSTimerViewController>(self).timerView_);
  };
  objc::addMethod<signatures::Getter>(cls, "timerView", timerView);
  objc::addProperty(cls, "timerView", timerView);
}

void CSTimerViewController::declareLabelUpdate(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "_updateTimerLabelView", [](objc::Object& self) {
    auto& view = *receiver<CSTimerViewController>(self).timerView_;
    view.setText(view.string());
  });
}

}  // namespace platform::springboard
