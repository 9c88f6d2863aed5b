// Automatic layout of the children of "UIView" containers.
#include <array>

#include "controller/LayoutGeometry.h"
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

void VantileController::applyAutoLayoutToUIViews(const Value& children) {
  if (!children.is_object()) return;
  for (const auto& [name, element] : children.items()) {
    if (stringFor(element, "type") != "UIView") continue;
    const std::optional<std::string> layout = stringFor(element, "autoLayout");
    if (!layout || *layout == "none") continue;

    // The first location whose index has the name and whose tree has its view.
    std::shared_ptr<View> container;
    const ThemePreset* preset = nullptr;
    std::shared_ptr<View> root;
    for (const char* location : std::array{"lockscreen", "homescreen", "creator"}) {
      const std::optional<ThemePreset>* candidate = presetFor(location);
      const std::shared_ptr<View>& candidateRoot = *rootViewFor(location);
      if (!*candidate || !candidateRoot) continue;
      const std::optional<std::int32_t> tag = (*candidate)->nameIndex.tagForName(name);
      if (!tag) continue;
      if (auto view = candidateRoot->viewWithTag(*tag)) {
        container = std::move(view);
        preset = &**candidate;
        root = candidateRoot;
        break;
      }
    }
    if (!container) continue;

    Members members;
    const Value& memberElements = valueFor(element, "children");
    if (memberElements.is_object()) {
      for (const auto& [memberName, memberElement] : memberElements.items()) {
        const std::optional<std::int32_t> tag = preset->nameIndex.tagForName(memberName);
        if (!tag || *tag < 1) continue;
        if (auto member = root->viewWithTag(*tag); member && member->superview() == container) {
          members.push_back(std::move(member));
        }
      }
    }
    if (!members.empty()) applyAutoLayout(*layout, *container, members, container->bounds());
  }
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
