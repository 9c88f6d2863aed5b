#include "controller/VantileController.h"

#include "controller/actions/ElementActions.h"
#include "controller/animation/AnimationRunner.h"
#include "controller/animation/AnimationSteps.h"
#include "controller/animation/AnimationTargets.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {
constexpr std::string_view kLockScreen = "lockscreen";
constexpr std::string_view kHomeScreen = "homescreen";
constexpr std::string_view kCreator = "creator";
}  // namespace

const std::shared_ptr<VantileController>& VantileController::sharedInstance() {
  static const std::shared_ptr<VantileController> instance = make();
  return instance;
}

std::shared_ptr<VantileController> VantileController::make() {
  auto controller = std::make_shared<VantileController>(ConstructionKey{});
  controller->installActionsAndAnimations();
  return controller;
}

VantileController::VantileController(ConstructionKey) {}

VantileController::~VantileController() = default;

namespace {

// The preset slot of a location, for a const or a mutable controller.
template <typename Controller>
auto* presetSlot(Controller& controller, std::string_view location) {
  using Slot = decltype(&controller.vantilePreset);
  if (location == kLockScreen) return &controller.vantilePreset;
  if (location == kHomeScreen) return &controller.vantilePresetSB;
  if (location == kCreator) return &controller.vantilePresetCreator;
  return Slot{nullptr};
}

}  // namespace

std::optional<ThemePreset>* VantileController::presetFor(std::string_view location) {
  return presetSlot(*this, location);
}

const std::optional<ThemePreset>* VantileController::presetFor(std::string_view location) const {
  return presetSlot(*this, location);
}

std::shared_ptr<platform::ui::View>* VantileController::rootViewFor(std::string_view location) {
  if (location == kLockScreen) return &vantileView;
  if (location == kHomeScreen) return &vantileViewSB;
  if (location == kCreator) return &vantileViewCreator;
  return nullptr;
}

std::shared_ptr<platform::ui::View> VantileController::elementView(std::string_view location, std::int32_t tag) {
  const auto* root = rootViewFor(location);
  const auto* preset = presetFor(location);
  if (root == nullptr || !*root || preset == nullptr || !*preset) return nullptr;
  return (*preset)->views.find(tag, **root);
}

bool VantileController::anyPresetLoaded() const {
  return vantilePreset.has_value() || vantilePresetSB.has_value() || vantilePresetCreator.has_value();
}

bool VantileController::implements(Operation operation) const {
  switch (operation) {
    case Operation::updateReferenceToView:
    case Operation::createChildren:
      return true;
    case Operation::handleAnimation:
    case Operation::launchApp:
    case Operation::changeApp:
    case Operation::enableActionsForView:
      return true;
    case Operation::handleTapped:
      return false;
  }
  return false;
}

void VantileController::runAnimationOfTag(const std::string& senderTag) {
  vantileAnimatingPreset = isLSTap ? vantilePreset : vantilePresetSB;
  vantileAnimatingView = isLSTap ? vantileView : vantileViewSB;
  const std::string name = getAnimatingElementNameFromTag(senderTag);
  AnimationRunner(*this).handleElementAnimation(
      name,
      [this, &name] {
        const auto actions = AnimationTargets::getElementObjectFromString(name, "actions", getAnimatingPresetChildren());
        ElementActions(*this).handleAction(actions ? AnimationSteps::getValueString(*actions) : "<null>", false, false,
                                           nullptr);
      },
      {});
}

std::shared_ptr<platform::ui::View> VantileController::animationElementView(std::string_view name) const {
  return AnimationTargets(*this).getAnimatingElementView(name);
}

std::string VantileController::animationParentName(std::string_view name) const {
  return AnimationTargets(*this).getAnimatingParentName(name);
}

platform::graphics::Rect VantileController::animationRootBounds() const {
  return vantileAnimatingView ? vantileAnimatingView->bounds() : platform::graphics::Rect{};
}

}  // namespace vantile
