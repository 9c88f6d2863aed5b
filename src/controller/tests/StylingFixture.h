#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controller/VantileController.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile {

// A lock-screen theme of the given top-level children, loaded (and so styled) by a controller
// of its own, on the manual clock.
class StylingFixture : public ::testing::Test {
 protected:
  static constexpr const char* kThemePath = "/var/mobile/Library/Vantile/themes/styling.json";

  StylingFixture() { platform::foundation::MainQueue::shared().useManualClock(1'700'000'000); }
  ~StylingFixture() override {
    platform::foundation::MainQueue::shared().clear();
    platform::foundation::MainQueue::shared().useRealClock();
  }

  void load(const platform::Value& children) {
    const platform::Value theme = {
        {"PresetView",
         {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "667"}}}, {"children", children}}}};
    root_.writeFile(kThemePath, theme.dump());
    controller->createViewFromTheme(kThemePath, "lockscreen");
  }

  // Runs the styling pass over the loaded tree once more.
  void styleAgain() { controller->updateChildren(*controller->getLSPresetChildren(), "lockscreen"); }

  std::shared_ptr<platform::ui::View> view(const std::string& name) {
    return controller->getElDict(name, "lockscreen").view;
  }

  template <typename T>
  std::shared_ptr<T> viewAs(const std::string& name) {
    return std::dynamic_pointer_cast<T>(view(name));
  }

  const testing::TemporaryDeviceRoot& root() const { return root_; }

  std::shared_ptr<VantileController> controller = VantileController::make();

 private:
  testing::TemporaryDeviceRoot root_;
};

}  // namespace vantile
