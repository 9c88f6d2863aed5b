#include <gtest/gtest.h>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/SegmentedControl.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

class Controls : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  std::shared_ptr<Window> window = Window::make({0, 0, 400, 400});
  TouchInjector touches{window};
  int changes = 0;
};

TEST_F(Controls, ATapFlipsASwitchAndTellsItsActionsButSettingItInCodeDoesNot) {
  auto control = Switch::make({10, 10});
  control->addValueChangedAction([this](Control&) { ++changes; });
  window->addSubview(control);
  control->setOn(true);
  EXPECT_EQ(changes, 0);
  touches.tap({30, 25});
  EXPECT_FALSE(control->isOn());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(control->frame().size, Switch::size);
}

TEST_F(Controls, ADraggedSliderFollowsTheFingerWithinItsRange) {
  auto slider = Slider::make({0, 0, 228, 30});
  slider->setMinimumValue(3);
  slider->setMaximumValue(10);
  slider->addValueChangedAction([this](Control&) { ++changes; });
  window->addSubview(slider);
  touches.drag({14, 15}, {114, 15}, 5);
  EXPECT_NEAR(slider->value(), 6.5, 1e-9);
  EXPECT_GT(changes, 0);
  touches.drag({114, 15}, {390, 15}, 5);
  EXPECT_EQ(slider->value(), 10);
  slider->setValue(-50);
  EXPECT_EQ(slider->value(), 3);
}

TEST_F(Controls, ATapOnAnotherSegmentSelectsItOnce) {
  auto control = SegmentedControl::make({"Badges", "Favs", "All Apps"}, {0, 0, 300, 30});
  control->setSelectedSegmentIndex(0);
  control->addValueChangedAction([this](Control&) { ++changes; });
  window->addSubview(control);
  touches.tap({250, 15});
  EXPECT_EQ(control->selectedSegmentIndex(), 2);
  touches.tap({260, 15});
  EXPECT_EQ(changes, 1);
  control->setSelectedSegmentIndex(7);
  EXPECT_EQ(control->selectedSegmentIndex(), -1);
}

TEST_F(Controls, EachControlsPartsKnowTheControlAsTheirSuperview) {
  const std::vector<std::shared_ptr<View>> controls{Switch::make({0, 0}), Slider::make({0, 0, 200, 30}),
                                                    SegmentedControl::make({"A", "B"}, {0, 0, 200, 30})};
  for (const auto& control : controls) {
    ASSERT_FALSE(control->subviews().empty());
    for (const auto& part : control->subviews()) EXPECT_EQ(part->superview(), control);
  }
}

TEST_F(Controls, AStackLinesItsViewsUpAndSizesItselfToThem) {
  auto stack = StackView::make(StackView::Axis::vertical);
  stack->setSpacing(5);
  stack->addArrangedSubview(View::make({0, 0, 300, 60}));
  stack->addArrangedSubview(View::make({0, 0, 200, 60}));
  stack->addArrangedSubview(View::make({0, 0, 300, 40}));
  EXPECT_EQ(stack->frame(), (graphics::Rect{0, 0, 300, 170}));
  EXPECT_EQ(stack->arrangedSubviews()[1]->frame(), (graphics::Rect{0, 65, 300, 60}));
  EXPECT_EQ(stack->arrangedSubviews()[2]->frame(), (graphics::Rect{0, 130, 300, 40}));

  // A hidden view gives up its place and its spacing until it shows again.
  stack->arrangedSubviews()[1]->setHidden(true);
  stack->layoutArrangedSubviews();
  EXPECT_EQ(stack->frame(), (graphics::Rect{0, 0, 300, 105}));
  EXPECT_EQ(stack->arrangedSubviews()[2]->frame(), (graphics::Rect{0, 65, 300, 40}));
  stack->arrangedSubviews()[1]->setHidden(false);
  stack->layoutArrangedSubviews();
  EXPECT_EQ(stack->frame(), (graphics::Rect{0, 0, 300, 170}));
}

}  // namespace
}  // namespace platform::ui
