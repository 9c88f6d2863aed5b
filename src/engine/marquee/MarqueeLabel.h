#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/animation/KeyframeAnimation.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/layers/ReplicatorLayer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/animation/TimingFunction.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

// The names of the requests the controller-wide helpers send to every live label.
inline constexpr std::string_view kMarqueeLabelControllerRestartNotification = "MarqueeLabelViewControllerRestart";
inline constexpr std::string_view kMarqueeLabelShouldLabelizeNotification = "MarqueeLabelShouldLabelizeNotification";
inline constexpr std::string_view kMarqueeLabelShouldAnimateNotification = "MarqueeLabelShouldAnimateNotification";
inline constexpr std::string_view kMarqueeLabelAnimationCompletionBlock = "MarqueeLabelAnimationCompletionBlock";

// The point moved by `offset` along x.
platform::graphics::Point MLOffsetCGPoint(platform::graphics::Point point, double offset);

// A one-line label that scrolls its text sideways when the text is wider than the label.
// Types: 0 and 1 there and back (text home at the left / right), 2 and 3 endless loops with a
// second copy following, 4 and 5 one way. An inner label (the sublabel, tag 700) draws the
// text and is the only thing that moves: a key-frame animation of its layer's position on
// the main queue's clock. The label's own layer is a replicator that draws the sublabel twice
// for the loops; its mask is a horizontal gradient that fades the edges.
//
// The label's own setters of the label properties forward to the sublabel; the platform
// label's setters are not virtual, so callers holding only a Label reach the sublabel through
// key-value coding (setValueForKey), which this class overrides.
class MarqueeLabel : public platform::ui::Label {
 public:
  using CompletionBlock = std::function<void(bool finished)>;

  // Duration 7.0 seconds, no fade.
  static std::shared_ptr<MarqueeLabel> make(const platform::graphics::Rect& frame = {});
  static std::shared_ptr<MarqueeLabel> makeWithDuration(const platform::graphics::Rect& frame, double duration,
                                                        double fadeLength);
  static std::shared_ptr<MarqueeLabel> makeWithRate(const platform::graphics::Rect& frame, double rate,
                                                    double fadeLength);

  MarqueeLabel(ConstructionKey key, const platform::graphics::Rect& frame);
  ~MarqueeLabel() override;

  std::string_view className() const override { return "MarqueeLabel"; }

  // Scroll settings. Setters that change something return the text home and restart.
  unsigned marqueeType() const { return marqueeType_; }
  void setMarqueeType(unsigned type);
  double scrollDuration() const { return scrollDuration_; }
  // Also sets the rate to 0.
  void setScrollDuration(double seconds);
  double rate() const { return rate_; }
  // Also sets the scroll duration to 0.
  void setRate(double pointsPerSecond);
  // A view-animation curve: 0 ease in and out, 0x10000 ease in, 0x20000 ease out, 0x30000
  // linear; a value with other bits is ignored. Takes effect at the next run.
  unsigned animationCurve() const { return animationCurve_; }
  void setAnimationCurve(unsigned curve);
  // Stored as absolute values.
  double leadingBuffer() const { return leadingBuffer_; }
  void setLeadingBuffer(double points);
  double trailingBuffer() const { return trailingBuffer_; }
  void setTrailingBuffer(double points);
  double continuousMarqueeExtraBuffer() const { return trailingBuffer_; }
  void setContinuousMarqueeExtraBuffer(double points) { setTrailingBuffer(points); }
  // Stored as given; 0 or less shows no fade.
  double fadeLength() const { return fadeLength_; }
  void setFadeLength(double points);
  // Rest before each movement; takes effect at the next run.
  double animationDelay() const { return animationDelay_; }
  void setAnimationDelay(double seconds) { animationDelay_ = seconds; }
  bool labelize() const { return labelize_; }
  void setLabelize(bool labelize);
  bool holdScrolling() const { return holdScrolling_; }
  void setHoldScrolling(bool hold);
  bool tapToScroll() const { return tapToScroll_; }
  void setTapToScroll(bool tapToScroll);
  bool isPaused() const { return isPaused_; }

  // What the update pass computes.
  double animationDuration() const { return animationDuration_; }
  void setAnimationDuration(double seconds) { animationDuration_ = seconds; }
  double awayOffset() const { return awayOffset_; }
  void setAwayOffset(double offset) { awayOffset_ = offset; }
  const platform::graphics::Rect& homeLabelFrame() const { return homeLabelFrame_; }
  void setHomeLabelFrame(const platform::graphics::Rect& frame) { homeLabelFrame_ = frame; }

  const std::shared_ptr<platform::ui::Label>& subLabel() const { return subLabel_; }
  std::shared_ptr<platform::ui::TapGestureRecognizer> tapRecognizer() const { return tapRecognizer_.lock(); }
  const CompletionBlock& scrollCompletionBlock() const { return scrollCompletionBlock_; }
  std::vector<platform::graphics::Color> gradientColors();
  void setGradientColors(std::vector<platform::graphics::Color> colors) { gradientColors_ = std::move(colors); }

  // The label's layer and its edge-fade mask (nothing when no fade shows).
  std::shared_ptr<platform::ui::ReplicatorLayer> repliLayer() const;
  std::shared_ptr<platform::ui::GradientLayer> maskLayer() const;

  // Label properties, shown by the sublabel.
  const std::string& text() const override { return subLabel_->text(); }
  void setText(std::string text) override;
  const std::optional<platform::ui::AttributedString>& attributedText() const override { return subLabel_->attributedText(); }
  void setAttributedText(std::optional<platform::ui::AttributedString> text) override;
  const platform::graphics::Font& font() const override { return subLabel_->font(); }
  void setFont(platform::graphics::Font font) override;
  platform::graphics::Color textColor() const override { return subLabel_->textColor(); }
  void setTextColor(platform::graphics::Color color) override;
  const std::optional<platform::graphics::Image>& textPattern() const override { return subLabel_->textPattern(); }
  void setTextPattern(std::optional<platform::graphics::Image> pattern) override;
  std::optional<platform::graphics::Color> backgroundColor() const { return subLabel_->backgroundColor(); }
  void setBackgroundColor(std::optional<platform::graphics::Color> color);
  std::optional<platform::graphics::Color> shadowColor() const override { return subLabel_->shadowColor(); }
  void setShadowColor(std::optional<platform::graphics::Color> color) override;
  platform::graphics::Size shadowOffset() const override { return subLabel_->shadowOffset(); }
  void setShadowOffset(platform::graphics::Size offset) override;
  platform::graphics::Color tintColor() const { return subLabel_->tintColor(); }
  void setTintColor(std::optional<platform::graphics::Color> color);
  platform::ui::ContentMode contentMode() const { return subLabel_->contentMode(); }
  void setContentMode(platform::ui::ContentMode mode);
  // Always one line: the argument is ignored.
  void setNumberOfLines(int lines) override;
  // Used by the sublabel only while the text fits.
  void setTextAlignment(platform::ui::TextAlignment alignment) { Label::setTextAlignment(alignment); }

  // The sublabel's answers with the leading buffer added to the width.
  platform::graphics::Size sizeThatFits(platform::graphics::Size size) const override;
  platform::graphics::Size intrinsicContentSize() const override;

  // The width of the text (at most 5461 points) and the label's height.
  platform::graphics::Size subLabelSize() const;
  bool labelShouldScroll() const;
  // In a window, under a view controller whose view is loaded.
  bool labelReadyForScroll() const;
  bool awayFromHome() const;

  // The update pass: measures, lays the sublabel out at home and, unless told not to (or
  // held, or tap-to-scroll), starts a run after the rest delay; the layout pass after a change
  // of size runs it again.
  void updateSublabel() { updateSublabelAndBeginScroll(true); }
  void updateSublabelAndBeginScroll(bool begin);
  void layoutSubviews() override { updateSublabel(); }
  // Shrinks or grows the frame to the text; a zero maximum means no limit.
  void minimizeLabelFrameWithMaximumSize(platform::graphics::Size maximum, bool adjustHeight);

  void restartLabel();
  void shutdownLabel();
  void resetLabel();
  void triggerScrollStart();
  void labelWasTapped();

  // Scroll runs.
  void beginScroll() { beginScrollWithDelay(true); }
  void beginScrollWithDelay(bool delay);
  void scrollAwayWithInterval(double interval) { scrollAwayWithInterval(interval, true); }
  void scrollAwayWithInterval(double interval, bool delay);
  void scrollAwayWithInterval(double interval, double delayAmount, bool shouldReturn);
  void scrollContinuousWithInterval(double interval, double delay);
  void scrollContinuousWithInterval(double interval, double delay,
                                    std::shared_ptr<const platform::ui::KeyframeAnimation> labelAnimation,
                                    std::shared_ptr<const platform::ui::KeyframeAnimation> gradientAnimation);
  void returnLabelToOriginImmediately();
  // Freezes a run where it is (only while the text is away from home) and lets it go on.
  void pauseLabel();
  void unpauseLabel();

  // Animation builders; nothing (and a log line) for a wrong number of values.
  std::optional<platform::ui::KeyframeAnimation> keyFrameAnimationForProperty(
      const std::string& keyPath, const std::vector<platform::graphics::Point>& values, double interval,
      double delay);
  platform::ui::KeyframeAnimation keyFrameAnimationForGradientFadeLength(double fadeLength, double interval,
                                                                         double delay) const;
  static platform::ui::TimingFunction timingFunctionForAnimationOptions(unsigned curve);

  void applyGradientMaskForFadeLength(double fadeLength, bool animated);
  void removeGradientMask();

  // Hooks for subclasses; nothing here.
  virtual void labelWillBeginScroll() {}
  virtual void labelReturnedToHome(bool /*finished*/) {}

  // Controller-wide requests, sent to every live label; each acts only when the controller
  // is its own first view controller up the responder chain.
  static void restartLabelsOfController(const std::shared_ptr<platform::ui::ViewController>& controller);
  static void controllerViewWillAppear(const std::shared_ptr<platform::ui::ViewController>& controller);
  static void controllerViewDidAppear(const std::shared_ptr<platform::ui::ViewController>& controller);
  static void controllerViewAppearing(const std::shared_ptr<platform::ui::ViewController>& controller);
  static void controllerLabelsShouldLabelize(const std::shared_ptr<platform::ui::ViewController>& controller);
  static void controllerLabelsShouldAnimate(const std::shared_ptr<platform::ui::ViewController>& controller);
  // Nothing when either is missing or the name is not one of the three.
  static void notifyController(const std::shared_ptr<platform::ui::ViewController>& controller,
                               std::string_view message);
  void viewControllerShouldRestart(const std::shared_ptr<platform::ui::ViewController>& controller);
  void labelsShouldLabelize(const std::shared_ptr<platform::ui::ViewController>& controller);
  void labelsShouldAnimate(const std::shared_ptr<platform::ui::ViewController>& controller);

  // Key-value coding of the scroll settings, and of the label properties it forwards.
  bool respondsToKey(std::string_view key) const override;
  std::optional<platform::ui::KeyValueFailure> setValueForKey(std::string_view key,
                                                               const platform::ui::KeyValue& value) override;

 protected:
  // The sublabel draws the text; the background comes from the layer.
  void drawContent(platform::ui::DrawingContext& context) const override;
  void didMoveToSuperview() override;
  void didMoveToWindow() override;

 private:
  void setupLabel();
  // Home at the edge with the outer label's alignment; no fade.
  void layOutStaticText();
  // Home, offset, copies and duration for text that scrolls; false for a type above 5.
  bool layOutScrollingText(double textWidth);
  // What the label, as the delegate of its position animations, does when one stops.
  void animationDidStop(bool finished);
  // The set-up fade has ended: its colours become the mask's own.
  void setupFadeDidStop(const platform::ui::ColorList& toValue);
  std::vector<platform::graphics::Color> restFadeColors() const;
  std::function<void(bool)> delegateCallback();
  std::weak_ptr<MarqueeLabel> weakSelf();
  void pauseLayer(platform::ui::Layer& layer);
  void unpauseLayer(platform::ui::Layer& layer);

  std::shared_ptr<platform::ui::Label> subLabel_;
  std::weak_ptr<platform::ui::TapGestureRecognizer> tapRecognizer_;
  CompletionBlock scrollCompletionBlock_;
  std::optional<std::vector<platform::graphics::Color>> gradientColors_;
  // Whether text was ever given (the platform's string has no "none").
  bool hasText_ = false;

  // Restarts when the application becomes active, shuts down when it goes to the background.
  std::shared_ptr<platform::ui::Application::Observation> applicationObservation_;
  unsigned marqueeType_ = 2;
  double scrollDuration_ = 0;
  double rate_ = 0;
  unsigned animationCurve_ = 0x30000;
  double leadingBuffer_ = 0;
  double trailingBuffer_ = 0;
  double fadeLength_ = 0;
  double animationDelay_ = 1.0;
  bool labelize_ = false;
  bool holdScrolling_ = false;
  bool tapToScroll_ = false;
  bool isPaused_ = false;
  double animationDuration_ = 0;
  double awayOffset_ = 0;
  platform::graphics::Rect homeLabelFrame_;
};

// The first view controller up the view's responder chain: a controller's root view answers
// its controller, any other view its superview; nothing when the chain ends first.
std::shared_ptr<platform::ui::ViewController> firstAvailableViewController(const platform::ui::View& view);

}  // namespace vantile
