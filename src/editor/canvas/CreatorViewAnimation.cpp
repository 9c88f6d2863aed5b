// The canvas as the animation engine's host: tapped elements play their animation on the drawn
// theme, and app elements open the app drawer.
#include "controller/actions/ElementActions.h"
#include "controller/animation/AnimationHistory.h"
#include "controller/animation/AnimationRunner.h"
#include "controller/animation/AnimationSteps.h"
#include "drawer/AppDrawerViewController.h"
#include "editor/CreatorView.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/gestures/GestureRecognizer.h"

namespace vantile {

using platform::Value;
using platform::ui::GestureRecognizer;

void CreatorView::handleAnimation(GestureRecognizer& recognizer) { playAnimationOfTag(getViewTag(recognizer), &recognizer); }

void CreatorView::runAnimationOfTag(const std::string& senderTag) {
  playAnimationOfTag(platform::foundation::intValue(senderTag), nullptr);
}

void CreatorView::playAnimationOfTag(std::int32_t tag, GestureRecognizer* recognizer) {
  const auto select = [this, recognizer] {
    if (recognizer != nullptr) selectView(*recognizer);
  };
  const std::optional<std::string> name = getElementNameFromTag(tag);
  const Value* children = getPresetChildren();
  // With no element or no value nothing moves, but the tap still selects.
  if (!name || children == nullptr ||
      !CreatorDictHelpers::getElementObjectFromString(*name, "animation", *children)) {
    select();
    return;
  }
  AnimationRunner(*this).handleElementAnimation(*name, {}, select);
}

void CreatorView::handleTapped(GestureRecognizer& recognizer) {
  selectView(recognizer);
  if (!mainView) {
    platform::foundation::systemLog("Vantile editor: the app drawer needs the editor's main view");
    return;
  }
  appDrawer = AppDrawerViewController::make(mainView->bounds());
  mainView->addSubview(appDrawer);
  appDrawer->completionBlock = [drawer = std::weak_ptr<AppDrawerViewController>(appDrawer)](
                                   const std::string& bundleIdentifier) {
    ElementActions::launchApplication(bundleIdentifier);
    if (const auto strong = drawer.lock()) strong->removeFromSuperview();
  };
}

std::string CreatorView::cleanAnimationString(const Value& value) {
  return AnimationSteps::cleanAnimationString(AnimationSteps::getValueString(value));
}

void CreatorView::saveAnimationState(const std::string& item, const std::string& itemName, Value& animationStuff,
                                     const std::string& itemAnimation) {
  AnimationHistory(*this).saveAnimationState(item, itemName, animationStuff, itemAnimation);
}

std::shared_ptr<platform::ui::View> CreatorView::animationElementView(std::string_view name) const {
  return getElementView(name);
}

std::string CreatorView::animationParentName(std::string_view name) const {
  // This canvas's own theme, whichever canvas the shared tree walks read.
  const KeyPaths paths = CreatorDictHelpers::elementObject(creatorPreset);
  const auto path = paths.find(name);
  if (path == paths.end() || path->second.size() < 3) return "PresetView";
  return path->second[path->second.size() - 3];
}

platform::graphics::Rect CreatorView::animationRootBounds() const {
  return creatorView ? creatorView->bounds() : platform::graphics::Rect{};
}

std::weak_ptr<AnimationHost> CreatorView::weakAnimationHost() { return sharedCanvas(); }

}  // namespace vantile
