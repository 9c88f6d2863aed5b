#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/preferences/ListController.h"

namespace platform::ui {
class BarButtonItem;
}

namespace vantile::settings {

// What every pane of the bundle shares: its rows from the row file named after its class,
// loaded once; the "Respring" button; the tint of its switches and sliders.
class VantilePane : public platform::preferences::ListController {
 public:
  static constexpr platform::graphics::Color kControlTint{0, 0.51, 1, 1};

  VantilePane(ConstructionKey key, std::string rowFileName);

  const std::vector<platform::preferences::PaneRow>& specifiers() override;
  void viewWillAppear(bool animated) override;

  void respring();

  std::shared_ptr<platform::ui::BarButtonItem> respringButton;

 protected:
  // After the rows are loaded (the first specifiers() call).
  virtual void didLoadSpecifiers() {}

 private:
  std::string rowFileName_;
};

}  // namespace vantile::settings
