#pragma once

#include <memory>

#include "hosts/common/scenario/ScenarioRunner.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Window.h"

namespace vantile::settings_host {

// The Settings app as the host drives it: a key window whose navigation stack starts at the
// settings bundle's root pane, carrying out the scenario's events as a user's touches and keys.
class SettingsSession : public hosts::ScenarioTarget {
 public:
  explicit SettingsSession(std::shared_ptr<platform::ui::ViewController> rootPane);

  const platform::ui::Window& window() const { return *window_; }

  void perform(const hosts::ScenarioEvent& event) override;

  // The picture of the window and the dump of its view tree, each when asked; false, with a log
  // line, when one cannot be written.
  bool writeOutputs(const std::optional<std::filesystem::path>& png,
                    const std::optional<std::filesystem::path>& dump) const;

 private:
  void performWithPayload(const hosts::ScenarioEvent& event);
  void openPane(const hosts::ScenarioEvent& event, const std::vector<std::string>& titles);
  void answerAlert(const hosts::ScenarioEvent& event, const hosts::AlertAnswer& answer);
  void pickPhoto(const hosts::ScenarioEvent& event, const std::filesystem::path& file);
  void pickColor(const hosts::ScenarioEvent& event, platform::graphics::Color color);

  std::shared_ptr<platform::ui::Window> window_;
  std::shared_ptr<platform::ui::NavigationController> navigation_;
};

}  // namespace vantile::settings_host
