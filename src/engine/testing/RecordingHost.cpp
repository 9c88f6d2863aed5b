#include "engine/testing/RecordingHost.h"

#include "engine/ElementOrchestrator.h"
#include "engine/ElementRegistry.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/views/View.h"

namespace vantile::testing {

std::shared_ptr<RecordingHost> RecordingHost::make(std::string environment, std::set<Operation> implemented) {
  return std::make_shared<RecordingHost>(std::move(environment), std::move(implemented));
}

std::set<ElementOrchestratorDelegate::Operation> RecordingHost::allOperations() {
  return {Operation::updateReferenceToView, Operation::createChildren, Operation::handleTapped,
          Operation::handleAnimation,       Operation::launchApp,      Operation::changeApp,
          Operation::enableActionsForView};
}

RecordingHost::RecordingHost(std::string environment, std::set<Operation> implemented)
    : environment_(std::move(environment)), implemented_(std::move(implemented)) {}

void RecordingHost::updateReferenceToView(const std::string& name, std::int32_t count, const std::string&) {
  calls.push_back("updateReferenceToView:" + name);
  tags[name] = count;
}

void RecordingHost::createChildren(const platform::Value& children, const std::shared_ptr<platform::ui::View>& view,
                                   const std::string&, const std::optional<std::vector<std::string>>& order) {
  calls.push_back("createChildren");
  orders.push_back(order);
  build(children, view, order);
}

void RecordingHost::build(const platform::Value& children, const std::shared_ptr<platform::ui::View>& parent,
                          const std::optional<std::vector<std::string>>& order) {
  if (!children.is_object()) {
    return;
  }
  std::vector<std::string> names;
  if (order) {
    names = *order;
  } else {
    for (const auto& [name, description] : children.items()) {
      names.push_back(name);
    }
  }
  for (const auto& name : names) {
    const auto description = children.find(name);
    if (description == children.end() || !description->is_object() || !description->contains("type")) {
      continue;
    }
    ++globalCounter;
    const auto type = platform::foundation::description((*description)["type"]);
    auto view = ElementRegistry::createElement(type, *description, globalCounter, parent->bounds());
    if (!view) {
      continue;
    }
    auto& orchestrator = ElementOrchestrator::sharedInstance();
    orchestrator.setDelegate(shared_from_this());
    orchestrator.orchestrateElement(view, type, parent, name, *description, globalCounter, location, environment_);
  }
}

}  // namespace vantile::testing
