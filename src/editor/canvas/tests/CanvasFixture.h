#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// A fresh canvas in a fresh device folder, with themes written into its themes folder.
class CanvasTest : public ::testing::Test {
 protected:
  // A theme whose root covers the screen, with the children drawn in the given order.
  static platform::Value theme(const platform::Value& children, const std::vector<std::string>& order) {
    platform::Value root = {{"frame", {{"x", "0"}, {"y", "0"}, {"width", "375"}, {"height", "812"}}},
                            {"children", children}};
    root["order"] = order;
    return {{"PresetView", root}};
  }

  static platform::Value box(int x, int y, int width, int height) {
    return {{"type", "UIView"},
            {"frame",
             {{"x", std::to_string(x)},
              {"y", std::to_string(y)},
              {"width", std::to_string(width)},
              {"height", std::to_string(height)}}}};
  }

  void writeTheme(const std::string& fileName, const platform::Value& document) const {
    device.writeFile(std::string(kEditorThemesFolder) + fileName, document.dump());
  }

  // The element views of the drawn root, behind the background, the grid and the highlight.
  std::vector<std::string> drawnNames() const {
    std::vector<std::string> names;
    const auto& subviews = canvas->creatorView->subviews();
    for (std::size_t index = 3; index < subviews.size(); ++index) {
      names.push_back(subviews[index]->accessibilityIdentifier().value_or("?"));
    }
    return names;
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot device;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
};

}  // namespace vantile::testing
