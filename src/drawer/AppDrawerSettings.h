#pragma once

#include <memory>
#include <optional>
#include <string>

#include "drawer/AppDrawerKeys.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

namespace platform::ui {
class GestureRecognizer;
class PanGestureRecognizer;
class ScrollView;
class Slider;
class StackView;
class View;
class ViewController;
}  // namespace platform::ui

namespace vantile {

class AppDrawerViewController;

// The drawer settings panel: a draggable list of the drawer's 27 settings (switches, sliders,
// colours) over the drawer. Every change is stored at once in the standard user defaults;
// switches, resets and colours re-apply to the drawer at once, sliders at the next re-apply.
// One per process, reached through sharedInstance.
class AppDrawerSettings {
 public:
  static constexpr std::int64_t controlTag = 1212;
  static constexpr std::int64_t valueLabelTag = 1122;
  static constexpr double snapDuration = 0.3;

  static AppDrawerSettings& sharedInstance();

  std::shared_ptr<platform::ui::View> loadAppDrawerSettings(const std::shared_ptr<AppDrawerViewController>& drawer,
                                                           const platform::graphics::Rect& frame);
  // From the colour host: the key is the identifier up to its first "~".
  void setColor(const std::string& colour, const std::string& identifier);

  // Row actions.
  void switchToggled(platform::ui::GestureRecognizer& tap);
  void sliderMoved(platform::ui::Slider& slider);
  void openColorPicker(platform::ui::GestureRecognizer& tap);
  void resetValue(platform::ui::GestureRecognizer& tap);
  void applySettings();
  void closeSettings();
  void handlePanGesture(platform::ui::PanGestureRecognizer& pan);

  // Builders.
  std::shared_ptr<platform::ui::View> switchViewWithLabel(const platform::graphics::Rect& frame, const AppDrawerKey& row);
  std::shared_ptr<platform::ui::View> sliderViewWithLabel(const platform::graphics::Rect& frame, const AppDrawerKey& row);
  std::shared_ptr<platform::ui::View> colorWithLabel(const platform::graphics::Rect& frame, const AppDrawerKey& row);
  std::shared_ptr<platform::ui::View> createButton(const platform::graphics::Rect& frame, std::string_view type);
  static std::shared_ptr<platform::ui::StackView> createStackView();
  static void snapViewToEdgeIfNeeded(platform::ui::View& view);
  // A picture of the device folder named by a "file://" address; nothing for any other address.
  static std::optional<platform::graphics::Image> getImageFromUrl(std::string_view url);
  static std::optional<platform::graphics::Color> uiColorFromString(std::string_view text);
  static std::shared_ptr<platform::ui::ViewController> topMostController();

  // Not kept alive by the panel: a closed drawer goes with its host.
  std::weak_ptr<AppDrawerViewController> appDrawer;
  std::string currentColor;
  std::string currentSaveName;
  std::shared_ptr<platform::ui::View> drawerSettings;
  std::shared_ptr<platform::ui::ScrollView> scrollview;

 private:
  AppDrawerSettings() = default;
  void reapply() const;
};

}  // namespace vantile
