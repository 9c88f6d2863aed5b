#pragma once

#include <functional>
#include <map>
#include <string>

namespace platform::ui {
class View;
}

namespace vantile {

// Texts for the inspector's fields, by the layer names the fields carry ("frame~x", …).
using FieldTexts = std::map<std::string, std::string, std::less<>>;

// Every text field below `root` (depth first) whose layer name has a text shows that text;
// views that are not text fields are searched further.
void fillTextFields(const platform::ui::View& root, const FieldTexts& texts);

}  // namespace vantile
