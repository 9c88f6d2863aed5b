#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/objc/Object.h"
#include "platform/ui/views/View.h"

// The theme controller as other libraries of the process reach it: by class name through the
// runtime, since the settings bundle shares no code with the tweak.
namespace vantile::controller_class {

inline constexpr std::string_view kClassName = "VantileController";

// +sharedInstance
using SharedInstance = std::shared_ptr<platform::objc::Object>();
// -createViewFromTheme:type: (theme file path, location) → the theme's root view, or nothing
using CreateViewFromTheme = std::shared_ptr<platform::ui::View>(std::string path, std::string type);

// Registers the class, answering through the process's controller; once per process.
void registerControllerClass();

}  // namespace vantile::controller_class
