#include <algorithm>
#include <array>

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
  std::vector<std::string> names;
  if (order) {
    names = *order;
  } else {
    for (const auto& [name, element] : children.items()) names.push_back(name);
  }

  for (const std::string& name : names) {
    auto found = children.find(name);
    if (found == children.end() || !found->is_object()) continue;
    const auto typeName = conventions::stringFor(*found, "type");
    if (!typeName) continue;

    const std::int32_t tag = nextTag(*typeName);
    auto elementView = ElementRegistry::createElement(*typeName, *found, tag, view->bounds());
    if (!elementView) continue;
    // The orchestrator also gives app icons their tap and long-press pair, so it is not added here again.
    auto& orchestrator = ElementOrchestrator::sharedInstance();
    orchestrator.setDelegate(shared_from_this());
    orchestrator.orchestrateElement(elementView, *typeName, view, name, *found, tag, location, "vantile");
  }
}

}  // namespace vantile
