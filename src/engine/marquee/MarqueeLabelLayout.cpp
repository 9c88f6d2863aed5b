// The update pass (where the text rests and how far it moves) and the decisions about when a
// scroll run starts.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/marquee/MarqueeLabel.h"

namespace vantile {

using platform::graphics::AffineTransform;
using platform::graphics::Rect;
using platform::graphics::Size;
using platform::ui::TextAlignment;

namespace {

// Text wider than this is measured as this wide.
constexpr double widestText = 5461;
// Less overflow than this does not scroll.
constexpr double overflowTolerance = 1.1920928955078125e-7;

// The smallest rectangle of whole points around `rect`.
Rect integral(const Rect& rect) {
  const Rect standard = rect.standardized();
  const double x = std::floor(standard.x());
  const double y = std::floor(standard.y());
  return {x, y, std::ceil(standard.maxX()) - x, std::ceil(standard.maxY()) - y};
}

bool restsAtRight(unsigned type) { return type == 1 || type == 3 || type == 5; }

}  // namespace

Size MarqueeLabel::subLabelSize() const {
  const double width = subLabel_->sizeThatFits({0, 0}).width;
  return {std::isnan(width) ? widestText : std::min(width, widestText), bounds().height()};
}

bool MarqueeLabel::labelShouldScroll() const {
  if (subLabel_->text().empty() || labelize_) return false;
  const bool overflows = subLabelSize().width + leadingBuffer_ > bounds().width() + overflowTolerance;
  return overflows && (scrollDuration_ > 0 || rate_ > 0);
}

bool MarqueeLabel::labelReadyForScroll() const {
  if (!superview() || !window()) return false;
  const std::shared_ptr<platform::ui::ViewController> controller = firstAvailableViewController(*this);
  return controller && controller->isViewLoaded();
}

bool MarqueeLabel::awayFromHome() const {
  return subLabel_->layer()->presentationProperties().position.x != homeLabelFrame_.x();
}

void MarqueeLabel::updateSublabelAndBeginScroll(bool begin) {
  if (!hasText_ || !superview()) return;
  const double textWidth = subLabelSize().width;
  returnLabelToOriginImmediately();
  applyGradientMaskForFadeLength(fadeLength_, true);
  if (!labelShouldScroll()) {
    layOutStaticText();
    return;
  }
  if (!layOutScrollingText(textWidth)) return;
  subLabel_->setFrame(homeLabelFrame_);
  if (tapToScroll_ || holdScrolling_ || !begin) return;
  beginScroll();
}

void MarqueeLabel::layOutStaticText() {
  subLabel_->setTextAlignment(textAlignment());
  const double width = bounds().width();
  const double height = bounds().height();
  const Rect home = restsAtRight(marqueeType_) ? Rect{0, 0, std::max(0.0, width - leadingBuffer_), height}
                                                : Rect{leadingBuffer_, 0, width - leadingBuffer_, height};
  homeLabelFrame_ = integral(home);
  awayOffset_ = 0;
  repliLayer()->setInstanceCount(1);
  subLabel_->setFrame(homeLabelFrame_);
  removeGradientMask();
}

bool MarqueeLabel::layOutScrollingText(double textWidth) {
  const double width = bounds().width();
  const double height = bounds().height();
  const double gap = std::max({leadingBuffer_, trailingBuffer_, fadeLength_});
  const Rect leftHome = integral({leadingBuffer_, 0, textWidth, height});
  const Rect rightHome = integral({width - textWidth - leadingBuffer_, 0, textWidth, height});
  std::size_t copies = 1;
  switch (marqueeType_) {
    case 0:
    case 4:
      homeLabelFrame_ = leftHome;
      awayOffset_ = width - (textWidth + leadingBuffer_ + trailingBuffer_);
      subLabel_->setTextAlignment(TextAlignment::left);
      break;
    case 1:
    case 5:
      homeLabelFrame_ = rightHome;
      awayOffset_ = (textWidth + trailingBuffer_ + leadingBuffer_) - width;
      subLabel_->setTextAlignment(TextAlignment::right);
      break;
    case 2:
      homeLabelFrame_ = leftHome;
      awayOffset_ = -(homeLabelFrame_.width() + gap);
      copies = 2;
      break;
    case 3:
      homeLabelFrame_ = rightHome;
      awayOffset_ = homeLabelFrame_.width() + gap;
      copies = 2;
      break;
    default:
      homeLabelFrame_ = Rect{};
      awayOffset_ = 0;
      return false;
  }
  repliLayer()->setInstanceCount(copies);
  if (copies > 1) {
    repliLayer()->setInstanceTransform(AffineTransform::translation(-awayOffset_, 0));
  }
  if (rate_ == 0) {
    animationDuration_ = scrollDuration_;
  } else {
    animationDuration_ = std::abs(awayOffset_) / rate_;
  }
  return true;
}

void MarqueeLabel::minimizeLabelFrameWithMaximumSize(Size maximum, bool adjustHeight) {
  if (!hasText_) return;
  constexpr double unlimited = std::numeric_limits<double>::max();
  if (maximum == Size{0, 0}) maximum = {unlimited, unlimited};
  const Size text = subLabelSize();
  const Rect current = frame();
  const double height = adjustHeight ? std::min(text.height, maximum.height) : current.height();
  setFrame({current.x(), current.y(), std::min(text.width + 2 * fadeLength_, maximum.width), height});
}

void MarqueeLabel::restartLabel() {
  shutdownLabel();
  if (labelShouldScroll() && !tapToScroll_ && !holdScrolling_) beginScroll();
}

void MarqueeLabel::shutdownLabel() {
  returnLabelToOriginImmediately();
  applyGradientMaskForFadeLength(fadeLength_, false);
}

void MarqueeLabel::resetLabel() {
  returnLabelToOriginImmediately();
  homeLabelFrame_ = Rect::null();
  awayOffset_ = 0;
}

void MarqueeLabel::triggerScrollStart() {
  if (labelShouldScroll() && !awayFromHome()) beginScroll();
}

void MarqueeLabel::labelWasTapped() {
  if (labelShouldScroll() && !awayFromHome()) beginScrollWithDelay(false);
}

void MarqueeLabel::setHoldScrolling(bool hold) {
  if (hold == holdScrolling_) return;
  holdScrolling_ = hold;
  if (!hold && !awayFromHome() && !labelize_ && !tapToScroll_ && labelShouldScroll()) beginScroll();
}

void MarqueeLabel::setTapToScroll(bool tapToScroll) {
  if (tapToScroll == tapToScroll_) return;
  tapToScroll_ = tapToScroll;
  if (tapToScroll) {
    auto recognizer = platform::ui::TapGestureRecognizer::make(
        [weakLabel = weakSelf()](
            platform::ui::GestureRecognizer&) {
          if (const std::shared_ptr<MarqueeLabel> label = weakLabel.lock()) label->labelWasTapped();
        });
    addGestureRecognizer(recognizer);
    tapRecognizer_ = recognizer;
    setUserInteractionEnabled(true);
  } else {
    if (const std::shared_ptr<platform::ui::TapGestureRecognizer> recognizer = tapRecognizer_.lock()) {
      removeGestureRecognizer(*recognizer);
    }
    tapRecognizer_.reset();
    setUserInteractionEnabled(false);
  }
}

void MarqueeLabel::setLabelize(bool labelize) {
  if (labelize == labelize_) return;
  labelize_ = labelize;
  updateSublabel();
}

}  // namespace vantile
