#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/views/Application.h"

namespace platform::ui {
namespace {

TEST(Application, TellsItsListenersUntilTheyStopListening) {
  std::vector<Application::Event> heard;
  auto observation = Application::shared().observe([&heard](Application::Event event) { heard.push_back(event); });

  Application::shared().enterBackground();
  EXPECT_FALSE(Application::shared().isActive());
  Application::shared().becomeActive();
  EXPECT_TRUE(Application::shared().isActive());
  observation.reset();
  Application::shared().enterBackground();
  Application::shared().becomeActive();

  EXPECT_EQ(heard, (std::vector{Application::Event::didEnterBackground, Application::Event::didBecomeActive}));
}

}  // namespace
}  // namespace platform::ui
