#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/input/Keyboard.h"
#include "platform/ui/views/Screen.h"

namespace platform::ui {
namespace {

struct Heard {
  std::string name;
  std::optional<graphics::Rect> frame;
};

class KeyboardInjection : public ::testing::Test {
 protected:
  void TearDown() override {
    keyboard.show(Keyboard::defaultHeight);
    keyboard.hide();
  }

  std::shared_ptr<Keyboard::Observation> listen(std::string_view name) {
    return keyboard.addObserver(name, [this](const foundation::Notification& notification) {
      heard.push_back({notification.name, Keyboard::frameEnd(notification)});
    });
  }

  Keyboard& keyboard = Keyboard::shared();
  graphics::Rect screen = Screen::mainScreen().bounds();
  std::vector<Heard> heard;
};

TEST_F(KeyboardInjection, ShowingAndHidingPostWillThenDidWithTheFrameAfterTheChange) {
  const std::vector observations = {listen(Keyboard::willShowNotification), listen(Keyboard::didShowNotification),
                                    listen(Keyboard::willHideNotification), listen(Keyboard::didHideNotification)};
  keyboard.show(300);
  EXPECT_TRUE(keyboard.isVisible());
  keyboard.hide();
  EXPECT_FALSE(keyboard.isVisible());

  const graphics::Rect shown{0, screen.maxY() - 300, screen.width(), 300};
  const graphics::Rect gone{0, screen.maxY(), screen.width(), 300};
  ASSERT_EQ(heard.size(), 4u);
  const std::vector<std::pair<std::string_view, graphics::Rect>> expected = {{Keyboard::willShowNotification, shown},
                                                                             {Keyboard::didShowNotification, shown},
                                                                             {Keyboard::willHideNotification, gone},
                                                                             {Keyboard::didHideNotification, gone}};
  for (std::size_t index = 0; index < expected.size(); ++index) {
    EXPECT_EQ(heard[index].name, expected[index].first);
    EXPECT_EQ(heard[index].frame, expected[index].second) << heard[index].name;
  }
}

TEST_F(KeyboardInjection, KeepsAnInjectedHeightForLaterShowsAndRefusesABadOne) {
  keyboard.show(250);
  keyboard.hide();
  keyboard.show(-4);
  EXPECT_EQ(keyboard.height(), 250);
  EXPECT_EQ(keyboard.frame(), (graphics::Rect{0, screen.maxY() - 250, screen.width(), 250}));
}

TEST_F(KeyboardInjection, AnObserverDroppedDuringAPostHearsNoMore) {
  std::shared_ptr<Keyboard::Observation> second;
  int secondHeard = 0;
  const auto first =
      keyboard.addObserver(Keyboard::willShowNotification, [&](const foundation::Notification&) { second.reset(); });
  second =
      keyboard.addObserver(Keyboard::willShowNotification, [&](const foundation::Notification&) { ++secondHeard; });
  keyboard.show();
  EXPECT_EQ(secondHeard, 0);
}

TEST_F(KeyboardInjection, ANotificationWithoutAFrameGivesNone) {
  EXPECT_FALSE(Keyboard::frameEnd({"other", Value()}));
  EXPECT_FALSE(Keyboard::frameEnd({"other", Value{{Keyboard::frameEndUserInfoKey, {{"x", 0}, {"y", "high"}}}}}));
}

}  // namespace
}  // namespace platform::ui
