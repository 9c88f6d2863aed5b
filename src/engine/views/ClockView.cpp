#include "engine/views/ClockView.h"

#include <algorithm>
#include <numbers>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/graphics/AffineTransform.h"
#include "platform/graphics/Color.h"
#include "platform/ui/animation/BasicAnimation.h"
#include "platform/ui/views/Window.h"

namespace vantile {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
namespace ui = platform::ui;

namespace {

constexpr double kTickInterval = 1.0;
constexpr const char* kSweepAnimationKey = "transform";

constexpr graphics::Color kBlack{0, 0, 0, 1};
constexpr graphics::Color kGray{0.5, 0.5, 0.5, 1};
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr graphics::Color kClear{0, 0, 0, 0};

// The pivot sits a tenth of the way down a hand, so at rotation 0 it hangs downward.
constexpr graphics::Point kHandAnchor{0.5, 0.1};

// Degrees as the clock computes them: in double precision, kept in single precision.
float clockDegrees(double fraction) { return static_cast<float>(fraction * 360.0); }

// A half turn brings a downward hand to twelve o'clock.
graphics::AffineTransform handRotation(float radians) {
  return graphics::AffineTransform::rotation(static_cast<double>(radians) + std::numbers::pi);
}

// Hand pictures show at half their pixel size, halved as whole numbers.
graphics::Size pictureHandSize(const graphics::Image& image) {
  return {static_cast<double>(image.width() / 2), static_cast<double>(image.height() / 2)};
}

void placeHand(ui::Layer& hand, graphics::Size size, graphics::Point pivot) {
  hand.setAnchorPoint(kHandAnchor);
  hand.setBounds({0, 0, size.width, size.height});
  hand.setPosition(pivot);
}

}  // namespace

std::shared_ptr<ClockView> ClockView::make(const graphics::Rect& frame) {
  return std::make_shared<ClockView>(ConstructionKey{}, frame);
}

ClockView::ClockView(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) { defaultSetup(); }

ClockView::~ClockView() { stop(); }

void ClockView::defaultSetup() {
  containerLayer_ = ui::Layer::make();
  hourHand_ = ui::Layer::make();
  minHand_ = ui::Layer::make();
  secHand_ = ui::Layer::make();
  containerLayer_->addSublayer(minHand_);
  containerLayer_->addSublayer(hourHand_);
  containerLayer_->addSublayer(secHand_);
  layer()->addSublayer(containerLayer_);
  const graphics::Rect viewFrame = frame();
  containerLayer_->setFrame({0, 0, viewFrame.size.width, viewFrame.size.height});
}

void ClockView::setClockBackgroundImage(std::optional<graphics::Image> image) {
  const bool hasPicture = image.has_value();
  containerLayer_->setContents(std::move(image));
  containerLayer_->setBorderColor(hasPicture ? kClear : kBlack);
  containerLayer_->setBorderWidth(hasPicture ? 0 : 1);
  containerLayer_->setCornerRadius(hasPicture ? 0 : 5);
}

void ClockView::setHourHandImage(std::optional<graphics::Image> image) {
  const bool hasPicture = image.has_value();
  hourHand_->setContents(std::move(image));
  hourHand_->setBackgroundColor(hasPicture ? kClear : kBlack);
  hourHand_->setCornerRadius(hasPicture ? 0 : 3);
}

void ClockView::setMinHandImage(std::optional<graphics::Image> image) {
  const bool hasPicture = image.has_value();
  minHand_->setContents(std::move(image));
  minHand_->setBackgroundColor(hasPicture ? kClear : kGray);
}

void ClockView::setSecHandImage(std::optional<graphics::Image> image) {
  const bool hasPicture = image.has_value();
  secHand_->setContents(std::move(image));
  secHand_->setBackgroundColor(hasPicture ? kClear : kWhite);
  secHand_->setBorderWidth(hasPicture ? 0 : 1);
  secHand_->setBorderColor(hasPicture ? kClear : kGray);
}

void ClockView::start() {
  setupSubviews();
  updateClock();
  scheduleTimer();
  started_ = true;
}

void ClockView::stop() {
  cancelTimer();
  started_ = false;
}

void ClockView::scheduleTimer() {
  cancelTimer();
  // Weak, so the timer never keeps a clock alive that its tree has dropped.
  timer_ = foundation::MainQueue::shared().scheduleRepeating(
      kTickInterval, [weakClock = std::weak_ptr<View>(shared_from_this())](foundation::RepeatingTimer&) {
        if (const std::shared_ptr<View> clock = weakClock.lock()) {
          static_cast<ClockView&>(*clock).updateClock();
        }
      });
}

void ClockView::cancelTimer() {
  if (timer_) {
    timer_->invalidate();
    timer_.reset();
  }
}

void ClockView::setupSubviews() {
  const graphics::Rect viewFrame = frame();
  const float radius = static_cast<float>(std::min(viewFrame.size.width, viewFrame.size.height) / 2);
  const graphics::Point pivot{viewFrame.size.width / 2, viewFrame.size.height / 2};
  const auto handSize = [radius](const ui::Layer& hand, double width, double lengthInRadii) {
    if (const auto& picture = hand.contents()) {
      return pictureHandSize(*picture);
    }
    return graphics::Size{width, lengthInRadii * radius};
  };
  placeHand(*secHand_, handSize(*secHand_, 4, 0.8), pivot);
  placeHand(*minHand_, handSize(*minHand_, 8, 0.75), pivot);
  placeHand(*hourHand_, handSize(*hourHand_, 10, 0.65), pivot);
  containerLayer_->setAnchorPoint({0.5, 0.5});
}

void ClockView::updateClock() {
  const auto now = foundation::calendarDate(foundation::MainQueue::shared().now());
  if (!now) {
    return;
  }
  const int hour = now->hour > 12 ? now->hour - 12 : now->hour;
  const float secondAngle = Degrees2Radians(clockDegrees(now->second / 60.0));
  const float minuteAngle = Degrees2Radians(clockDegrees(now->minute / 60.0));
  const float hourAngle = Degrees2Radians(clockDegrees(hour / 12.0));

  if (secHandContinuos_) {
    secHand_->removeAnimation(kSweepAnimationKey);
    const float previousSecondAngle = Degrees2Radians(clockDegrees((now->second - 1) / 60.0));
    ui::BasicAnimation sweep(kSweepAnimationKey);
    sweep.setDuration(kTickInterval);
    sweep.setFromValue(handRotation(previousSecondAngle));
    sweep.setToValue(handRotation(secondAngle));
    secHand_->addAnimation(sweep, kSweepAnimationKey);
  }
  // Also under a sweep: when it ends before the next tick, the hand stays where it arrived.
  secHand_->setTransform(handRotation(secondAngle));
  minHand_->setTransform(handRotation(minuteAngle));
  hourHand_->setTransform(handRotation(minuteAngle / 12 + hourAngle));
}

float ClockView::Degrees2Radians(float degrees) {
  return static_cast<float>(static_cast<double>(degrees) * std::numbers::pi / 180.0);
}

void ClockView::willMoveToSuperview(View* newSuperview) {
  View::willMoveToSuperview(newSuperview);
  if (newSuperview == nullptr) {
    stop();
  }
}

void ClockView::didMoveToWindow() {
  View::didMoveToWindow();
  if (!window()) {
    cancelTimer();
  } else if (started_ && !timer_) {
    updateClock();
    scheduleTimer();
  }
}

}  // namespace vantile
