#include "controller/VantileController.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"

namespace vantile {

using platform::Value;

void VantileController::setBundleIDToTheme(std::string_view name, std::string_view bundleID) {
  const Value* children = getPresetChildren();
  if (children == nullptr) return;
  auto element = getElementDictionaryFromString(name, *children);
  const auto path = getElementHierarchy(name);
  if (!element || !element->is_object() || !path) return;
  (*element)["bundleID"] = std::string(bundleID);

  const Value edited = editNestedDict(vantilePresetSB->document, *element, *path);
  Value document = Value::object();
  document["PresetView"] = edited["PresetView"];

  const std::string text = document.dump(2, ' ', false, Value::error_handler_t::replace);
  if (!platform::foundation::writeFileAtomically(platform::foundation::devicePath(currentSBTheme), text)) {
    VantileHelpers::writeToLog("Could not rewrite the theme file " + currentSBTheme + " for " + std::string(name));
  }
  vantilePresetSB->document["PresetView"] = std::move(document["PresetView"]);
}

}  // namespace vantile
