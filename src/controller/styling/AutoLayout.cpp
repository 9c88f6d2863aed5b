// Automatic layout of the children of "UIView" containers.
#include "controller/styling/ContainerAutoLayout.h"
#include "controller/styling/LayoutGeometry.h"
#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::ui::View;
using namespace conventions;

using Members = std::vector<std::shared_ptr<View>>;

void placeMembers(const Members& members, const std::vector<platform::graphics::Rect>& frames) {
  for (std::size_t i = 0; i < members.size() && i < frames.size(); ++i) members[i]->setFrame(frames[i]);
}

}  // namespace

void layout::applyAutoLayoutToUIViews(const Value& children, const containerrules::ViewLookup& viewNamed) {
  if (!children.is_object()) return;
  for (const auto& [name, element] : children.items()) {
    if (stringFor(element, "type") != "UIView") continue;
    const std::optional<std::string> layout = stringFor(element, "autoLayout");
    if (!layout || *layout == "none") continue;
    const std::shared_ptr<View> container = viewNamed(name);
    if (!container) continue;

    Members members;
    const Value& memberElements = valueFor(element, "children");
    if (memberElements.is_object()) {
      for (const auto& [memberName, memberElement] : memberElements.items()) {
        if (auto member = viewNamed(memberName); member && member->superview() == container) {
          members.push_back(std::move(member));
        }
      }
    }
    if (!members.empty()) VantileController::applyAutoLayout(*layout, *container, members, container->bounds());
  }
}

void VantileController::applyAutoLayoutToUIViews(const Value& children, const std::string& location) {
  const std::optional<ThemePreset>* preset = presetFor(location);
  if (preset == nullptr || !*preset) return;
  const NameIndex& index = (*preset)->nameIndex;
  // The location being styled: a container of the same name on the other screen is not this one.
  layout::applyAutoLayoutToUIViews(children, [&](const std::string& name) {
    return elementView(location, index.tagForName(name).value_or(0));
  });
}

void VantileController::applyAutoLayout(std::string_view layout, View& parentView, const Members& members,
                                        const platform::graphics::Rect& frame) {
  if (members.empty()) return;
  if (layout == "evenSpacing") {
    applyEvenSpacingLayout(parentView, members, frame);
  } else if (layout == "grid") {
    applyGridLayout(parentView, members, frame);
  }
}

void VantileController::applyEvenSpacingLayout(View& /*parentView*/, const Members& members,
                                               const platform::graphics::Rect& frame) {
  if (members.empty()) return;
  placeMembers(members, layout::evenSpacingFrames(members.size(), members.front()->frame().size, frame));
}

void VantileController::applyGridLayout(View& /*parentView*/, const Members& members,
                                        const platform::graphics::Rect& frame) {
  if (members.empty()) return;
  placeMembers(members, layout::gridFrames(members.size(), members.front()->frame().size, frame));
}

}  // namespace vantile
