#include "platform/springboard/lockscreen/SBFLockScreenDateView.h"

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"
#include "platform/springboard/views/StockView.h"

namespace platform::springboard {

namespace {

constexpr graphics::Color kWhite{1, 1, 1, 1};

std::shared_ptr<ui::Label> makeClockLabel(std::string_view runtimeClass, const graphics::Rect& frame, double size) {
  auto label = StockLabel::make(runtimeClass, frame);
  label->setFont(graphics::systemFont(size));
  label->setTextColor(kWhite);
  label->setTextAlignment(ui::TextAlignment::center);
  return label;
}

std::string timeText() {
  return foundation::formatDate(foundation::MainQueue::shared().now(), "h:mm", foundation::DateLocale::device)
      .value_or("");
}

}  // namespace

std::shared_ptr<SBFLockScreenDateView> SBFLockScreenDateView::make(const graphics::Rect& frame) {
  auto view = std::make_shared<SBFLockScreenDateView>(ConstructionKey{}, frame);
  view->addSubview(view->dateLabel_);
  view->addSubview(view->timeLabel_);
  return view;
}

SBFLockScreenDateView::SBFLockScreenDateView(ConstructionKey key, const graphics::Rect& frame)
    : RuntimeView("SBFLockScreenDateView", key, frame) {
  dateLabel_ = makeClockLabel("SBUILegibilityLabel", {0, 0, frame.size.width, 28}, 20);
  timeLabel_ = makeClockLabel("SBUILegibilityLabel", {0, 28, frame.size.width, frame.size.height - 28}, 84);
}

void SBFLockScreenDateView::updateLabels() { objc::send<signatures::Action>(*this, "_updateLabels"); }

void SBFLockScreenDateView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "_updateLabels", [](objc::Object& self) {
    auto& view = receiver<SBFLockScreenDateView>(self);
    ++view.labelUpdateCount_;
    const double now = foundation::MainQueue::shared().now();
    view.timeLabel_->setText(timeText());
    view.dateLabel_->setText(foundation::formatDate(now, "EEEE, MMMM d", foundation::DateLocale::device).value_or(""));
  });
}

std::shared_ptr<CSProminentTimeView> CSProminentTimeView::make(const graphics::Rect& frame) {
  auto view = std::make_shared<CSProminentTimeView>(ConstructionKey{}, frame);
  view->addSubview(view->timeLabel_);
  return view;
}

CSProminentTimeView::CSProminentTimeView(ConstructionKey key, const graphics::Rect& frame)
    : View(key, frame), Object("CSProminentTimeView") {
  timeLabel_ = makeClockLabel("UILabel", {0, 0, frame.size.width, frame.size.height}, 84);
}

void CSProminentTimeView::updateTimeString() { objc::send<signatures::Action>(*this, "_updateTimeString"); }

void CSProminentTimeView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "_updateTimeString", [](objc::Object& self) {
    receiver<CSProminentTimeView>(self).timeLabel_->setText(timeText());
  });
}

}  // namespace platform::springboard
