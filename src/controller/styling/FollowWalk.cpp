// The walk that re-applies the containers' follow rules, run by the one-second tick.
#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"

namespace vantile {

namespace {

bool isContainer(const std::optional<std::string>& type) {
  return type == "UIView" || type == "ScrollView" || type == "GlassView";
}

}  // namespace

void VantileController::updateElapsedFollow() {
  if (const platform::Value* children = getLSPresetChildren()) loopAllItems("lockscreen", *children);
  if (const platform::Value* children = getSBPresetChildren()) loopAllItems("homescreen", *children);
}

void VantileController::loopAllItems(const std::string& location, const platform::Value& children) {
  if (!children.is_object()) return;
  for (const auto& [name, element] : children.items()) {
    if (!isContainer(conventions::stringFor(element, "type"))) continue;
    loopAllItems(location, conventions::valueFor(element, "children"));
    if (const auto view = getElDict(name, location).view) checkIfViewFollows(element, view);
  }
}

}  // namespace vantile
