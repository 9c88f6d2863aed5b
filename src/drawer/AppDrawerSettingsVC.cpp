#include "drawer/AppDrawerSettingsVC.h"

#include <cmath>
#include <cstdio>

#include "drawer/AppDrawerSettings.h"

namespace vantile {

std::shared_ptr<AppDrawerSettingsVC> AppDrawerSettingsVC::make(std::string identifier) {
  return std::make_shared<AppDrawerSettingsVC>(ConstructionKey{}, std::move(identifier));
}

AppDrawerSettingsVC::AppDrawerSettingsVC(ConstructionKey key, std::string identifier)
    : ViewController(key), identifier(std::move(identifier)) {}

bool AppDrawerSettingsVC::implements(Operation operation) const {
  return operation == Operation::didFinish || operation == Operation::didSelectColor;
}

std::weak_ptr<platform::ui::ColorPickerDelegate> AppDrawerSettingsVC::pickerDelegate() {
  auto self = std::static_pointer_cast<AppDrawerSettingsVC>(shared_from_this());
  return std::shared_ptr<platform::ui::ColorPickerDelegate>(self, static_cast<platform::ui::ColorPickerDelegate*>(self.get()));
}

std::string AppDrawerSettingsVC::rgbaStringFromColor(const platform::graphics::Color& colour) {
  char text[96];
  std::snprintf(text, sizeof text, "rgba(%ld, %ld, %ld, %.2f)", std::lround(colour.red * 255),
                std::lround(colour.green * 255), std::lround(colour.blue * 255), colour.alpha);
  return text;
}

void AppDrawerSettingsVC::colorPickerViewControllerDidFinish(platform::ui::ColorPickerViewController& picker) {
  const auto keepAlive = shared_from_this();
  AppDrawerSettings::sharedInstance().setColor(rgbaStringFromColor(picker.selectedColor()), identifier);
  // The host has nothing of its own to show: it leaves together with the picker.
  if (const auto presenter = presentingViewController()) {
    presenter->dismissViewController(true);
  } else {
    dismissViewController(true);
  }
}

}  // namespace vantile
