#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

// Hosts the system colour picker for one colour row of the drawer settings panel and hands
// the colour chosen back to the panel when the picker closes.
class AppDrawerSettingsVC : public platform::ui::ViewController, public platform::ui::ColorPickerDelegate {
 public:
  // "<key>~appDrawer~<start colour>".
  static std::shared_ptr<AppDrawerSettingsVC> make(std::string identifier);

  AppDrawerSettingsVC(ConstructionKey key, std::string identifier);

  bool implements(Operation operation) const override;
  void colorPickerViewControllerDidFinish(platform::ui::ColorPickerViewController& picker) override;
  void colorPickerViewControllerDidSelectColor(platform::ui::ColorPickerViewController&) override {}

  // "rgba(%ld, %ld, %ld, %.2f)": components × 255 rounded half away from zero, alpha as it is.
  static std::string rgbaStringFromColor(const platform::graphics::Color& colour);

  // This host as the picker's (weak) delegate.
  std::weak_ptr<platform::ui::ColorPickerDelegate> pickerDelegate();

  std::string identifier;
};

}  // namespace vantile
