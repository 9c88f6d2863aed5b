#pragma once

#include <optional>
#include <string_view>

#include "editor/adding/TemplateNames.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// The saved template of the name: the templates folder's file, else the settings bundle's
// resource; nothing, with a log line, when neither holds an element dictionary.
std::optional<platform::Value> readElementTemplate(std::string_view name);

// What a new element of the type or template starts as: the element engine's default of a basic
// type (which wins over a template of the same name), else the template with its inner names
// made unique against the theme's names and the new element's own. Nothing when neither exists.
std::optional<platform::Value> newElementDescription(std::string_view typeOrTemplate, std::string_view newName,
                                                     const ElementNameSet& themeNames);

}  // namespace vantile
