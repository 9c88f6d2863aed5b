#include "platform/preferences/PaneRegistry.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/views/ViewController.h"

namespace platform::preferences {

PaneRegistry& PaneRegistry::shared() {
  static PaneRegistry registry;
  return registry;
}

void PaneRegistry::registerPane(std::string name, Factory factory) { factories_[std::move(name)] = std::move(factory); }

bool PaneRegistry::hasPane(std::string_view name) const { return factories_.contains(name); }

std::shared_ptr<ui::ViewController> PaneRegistry::makePane(std::string_view name) const {
  const auto found = factories_.find(name);
  if (found == factories_.end()) {
    foundation::systemLog("no settings pane class named \"" + std::string(name) + "\"");
    return nullptr;
  }
  return found->second();
}

}  // namespace platform::preferences
