#include <gtest/gtest.h>

#include <functional>
#include <numbers>
#include <random>

#include "platform/ui/views/View.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {
namespace {

using graphics::AffineTransform;
using graphics::Point;

class HitTesting : public ::testing::Test {
 protected:
  void SetUp() override {
    window->addSubview(container);
    container->addSubview(button);
  }

  std::shared_ptr<Window> window = Window::make({0, 0, 300, 300});
  std::shared_ptr<View> container = View::make({50, 50, 100, 100});
  std::shared_ptr<View> button = View::make({10, 10, 30, 30});
};

TEST_F(HitTesting, TheDeepestViewUnderThePointIsHit) {
  EXPECT_EQ(window->hitTest({65, 65}), button);
  EXPECT_EQ(window->hitTest({140, 140}), container);
  EXPECT_EQ(window->hitTest({5, 5}), window);
  EXPECT_EQ(window->hitTest({-1, 5}), nullptr);
  // Bounds are half-open: the right edge is outside.
  EXPECT_EQ(window->hitTest({90, 65}), container);
}

TEST_F(HitTesting, ViewsThatCannotBeTouchedPassThePointToWhatIsBehind) {
  const std::pair<const char*, std::function<void(View&)>> cases[] = {
      {"hidden", [](View& view) { view.setHidden(true); }},
      {"nearly transparent", [](View& view) { view.setAlpha(0.009); }},
      {"not interactive", [](View& view) { view.setUserInteractionEnabled(false); }},
  };
  for (const auto& [name, disable] : cases) {
    const auto fresh = View::make({10, 10, 30, 30});
    container->addSubview(fresh);
    disable(*fresh);
    EXPECT_EQ(window->hitTest({65, 65}), button) << name;
    disable(*container);
    EXPECT_EQ(window->hitTest({65, 65}), window) << name << " container hides what is inside it";
    fresh->removeFromSuperview();
    container->setHidden(false);
    container->setAlpha(1);
    container->setUserInteractionEnabled(true);
  }
  button->setAlpha(0.01);
  EXPECT_EQ(window->hitTest({65, 65}), button);
}

TEST_F(HitTesting, APointOutsideAViewReachesNoneOfItsSubviews) {
  button->setFrame({80, 80, 60, 60});  // sticks out of the container
  EXPECT_EQ(window->hitTest({135, 135}), button);
  EXPECT_EQ(window->hitTest({170, 170}), window);
}

TEST_F(HitTesting, TheFrontMostOverlappingSubviewWins) {
  const auto cover = View::make({0, 0, 50, 50});
  container->addSubview(cover);
  EXPECT_EQ(window->hitTest({65, 65}), cover);
  container->sendSubviewToBack(*cover);
  EXPECT_EQ(window->hitTest({65, 65}), button);
}

TEST_F(HitTesting, PointsFollowTheTransformsOfTheViews) {
  // A 100 × 10 bar turned upright about its center (25, 25) covers x 20...30, y -25...75
  // of the container.
  const auto bar = View::make({-25, 20, 100, 10});
  container->addSubview(bar);
  bar->setTransform(AffineTransform::rotation(std::numbers::pi / 2));
  EXPECT_EQ(window->hitTest({75, 60}), bar);
  EXPECT_EQ(window->hitTest({75, 120}), bar);
  EXPECT_EQ(window->hitTest({55, 76}), container);  // inside the unrotated bar, not the turned one

  container->setTransform(AffineTransform::scale(0.5, 0.5));  // now covers 75...125
  EXPECT_EQ(window->hitTest({74, 74}), window);
  EXPECT_EQ(window->hitTest({82.5, 82.5}), button);

  bar->setTransform(AffineTransform::scale(0, 0));
  EXPECT_EQ(window->hitTest({100, 97}), container);
}

TEST(HitTestingInvariant, AHiddenViewAndWhatIsInsideItAreNeverHit) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> coordinate(-20, 120);
  std::uniform_real_distribution<double> size(5, 80);
  std::bernoulli_distribution hidden(0.25);
  for (int round = 0; round < 20; ++round) {
    const auto root = View::make({0, 0, 100, 100});
    std::vector<std::shared_ptr<View>> views{root};
    for (int index = 0; index < 30; ++index) {
      const auto view = View::make({coordinate(random), coordinate(random), size(random), size(random)});
      view->setHidden(hidden(random));
      view->setTransform(AffineTransform::rotation(coordinate(random) / 50));
      views[std::uniform_int_distribution<std::size_t>(0, views.size() - 1)(random)]->addSubview(view);
      views.push_back(view);
    }
    for (int probe = 0; probe < 200; ++probe) {
      const std::shared_ptr<View> hit = root->hitTest({coordinate(random), coordinate(random)});
      for (std::shared_ptr<View> view = hit; view; view = view->superview()) {
        ASSERT_FALSE(view->isHidden());
      }
    }
  }
}

}  // namespace
}  // namespace platform::ui
