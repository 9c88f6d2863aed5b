#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/marquee/MarqueeLabel.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"

namespace vantile {

// A label 200 × 30 points inside a view controller's root view in a window, on the manual
// clock, with text that does not fit.
class MarqueeLabelTest : public ::testing::Test {
 protected:
  static constexpr double start = 1'000'000;
  static constexpr const char* longText = "The quick brown fox jumps over the lazy dog, twice over";

  void SetUp() override {
    queue().clear();
    queue().useManualClock(start);
    window_ = platform::ui::Window::make({0, 0, 400, 400});
    controller_ = platform::ui::ViewController::make();
    window_->addSubview(controller_->view());
  }

  void TearDown() override {
    queue().clear();
    queue().useRealClock();
  }

  static platform::foundation::MainQueue& queue() { return platform::foundation::MainQueue::shared(); }
  double elapsed() const { return queue().now() - start; }
  // Advances the clock to `seconds` after the start.
  void advanceTo(double seconds) { queue().advance(start + seconds - queue().now()); }

  // Shown in the controller's view with the text; the run (if any) starts at once.
  std::shared_ptr<MarqueeLabel> shownLabel(unsigned type, const std::string& text = longText, double fadeLength = 0) {
    auto label = MarqueeLabel::makeWithRate({10, 10, 200, 30}, 30, fadeLength);
    label->setMarqueeType(type);
    label->setText(text);
    controller_->view()->addSubview(label);
    return label;
  }

  // Makes one movement last five seconds, restarting the run now.
  static void moveInFiveSeconds(MarqueeLabel& label) { label.setRate(std::abs(label.awayOffset()) / 5); }

  static double shownX(const MarqueeLabel& label) {
    return label.subLabel()->layer()->presentationProperties().position.x;
  }

  std::shared_ptr<platform::ui::Window> window_;
  std::shared_ptr<platform::ui::ViewController> controller_;
};

}  // namespace vantile
