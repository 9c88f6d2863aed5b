#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/ElementOrchestrator.h"
#include "engine/ElementRegistry.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;

namespace {

// Tags that element views give their inner views, and the tags of the system's own views.
constexpr std::array<std::int32_t, 12> kReservedTags = {44,   321,  3354, 8944, 8945, 8955,
                                                        8966, 9937, 9966, 9967, 9968, 9991};
// A glass view's inner view takes the element's tag plus this.
constexpr std::int32_t kGlassInnerTagOffset = 1000;

}  // namespace

std::int32_t VantileController::nextTag(std::string_view type) {
  auto reserved = [this](std::int32_t tag) {
    return std::ranges::find(kReservedTags, tag) != kReservedTags.end() ||
           glassViewTags_.contains(tag - kGlassInnerTagOffset);
  };
  do {
    ++globalCounter;
  } while (reserved(globalCounter));
  if (type == "GlassView") glassViewTags_.insert(globalCounter);
  return globalCounter;
}

void VantileController::createChildren(const Value& children, const std::shared_ptr<platform::ui::View>& view,
                                       const std::string& location,
                                       const std::optional<std::vector<std::string>>& order) {
  if (!children.is_object() || !view) return;
  // The dictionary finds a name by a walk through its keys: one table per level keeps the build linear.
  std::vector<std::pair<std::string_view, const Value*>> elements;
  for (const auto& [name, element] : children.items()) elements.emplace_back(name, &element);
  if (order) {
    std::unordered_map<std::string_view, const Value*> byName(elements.begin(), elements.end());
    elements.clear();
    for (const std::string& name : *order) {
      if (const auto found = byName.find(name); found != byName.end()) elements.emplace_back(name, found->second);
    }
  }

  for (const auto& [name, element] : elements) {
    if (!element->is_object()) continue;
    const auto typeName = conventions::stringFor(*element, "type");
    if (!typeName) continue;

    const std::int32_t tag = nextTag(*typeName);
    auto elementView = ElementRegistry::createElement(*typeName, *element, tag, view->bounds());
    if (!elementView) continue;
    // The orchestrator also gives app icons their tap and long-press pair, so it is not added here again.
    auto& orchestrator = ElementOrchestrator::sharedInstance();
    orchestrator.setDelegate(shared_from_this());
    orchestrator.orchestrateElement(elementView, *typeName, view, std::string(name), *element, tag, location,
                                    "vantile");
    if (auto* preset = presetFor(location); preset != nullptr && *preset && elementView->tag() == tag) {
      (*preset)->views.record(tag, elementView);
    }
  }
}

}  // namespace vantile
