#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controller/VantileController.h"
#include "platform/foundation/values/Value.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

inline constexpr const char* kThemesFolder = "/var/mobile/Library/Vantile/themes/";

// A fresh controller on a fresh device folder and a manual clock; the queue is emptied and
// the real clock restored afterwards.
class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest();
  ~ControllerTest() override;

  // Writes a theme document into the themes folder; returns its system path.
  std::string writeTheme(const std::string& fileName, const platform::Value& document) const;
  // A theme document whose root holds these children in this order.
  static platform::Value theme(const platform::Value& children, const std::vector<std::string>& order);
  static platform::Value label(const std::string& data, const platform::Value& extra = platform::Value::object());
  static platform::Value container(const platform::Value& children, const std::string& type = "UIView");
  std::string logText() const;

  TemporaryDeviceRoot root;
  std::shared_ptr<VantileController> controller = VantileController::make();
};

}  // namespace vantile::testing
