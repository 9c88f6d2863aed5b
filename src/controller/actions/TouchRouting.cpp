#include "controller/actions/TouchRouting.h"

#include "controller/VantileController.h"
#include "controller/actions/ActionWord.h"
#include "controller/actions/ElementActions.h"
#include "controller/animation/AnimationRunner.h"
#include "controller/animation/AnimationTargets.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
using platform::ui::GestureRecognizer;
using platform::ui::View;

namespace {

std::string nameFromTag(const std::optional<ThemePreset>& preset, std::string_view tagText) {
  if (!preset) return "";
  const std::int32_t tag = platform::foundation::intValue(tagText);
  if (std::to_string(tag) != tagText) return "";
  return preset->nameIndex.nameForTag(tag).value_or("");
}

void runAction(VantileController& controller, ActionWord word, const GestureRecognizer& recognizer) {
  ElementActions actions(controller);
  switch (word) {
    case ActionWord::openDrawer: return actions.openDrawer();
    case ActionWord::openSpotlight: return actions.openSpotlight();
    case ActionWord::unlockDevice: return actions.unlockDevice();
    case ActionWord::openAppLibrary: return actions.openAppLibrary();
    case ActionWord::openTodayView: return actions.openTodayView();
    case ActionWord::playMusic: return actions.playMusic();
    case ActionWord::toggleFlashlight: return actions.toggleFlashlight();
    case ActionWord::vibrate: return actions.doVibrate();
    case ActionWord::openPlayingMusic: return actions.openMusicApp();
    case ActionWord::nextTrack: return actions.nextTrack();
    case ActionWord::prevTrack: return actions.prevTrack();
    case ActionWord::animation: return TouchRouting(controller).sbAnimation(recognizer);
  }
}

// The deepest view under the recogniser's touch, inside its own view.
std::shared_ptr<View> touchedView(const GestureRecognizer& recognizer) {
  const auto view = recognizer.view();
  if (!view) return nullptr;
  const auto location = recognizer.locationInView(view.get());
  return location ? view->hitTest(*location) : nullptr;
}

// Stores the app of a lock-screen icon element in the lock-screen theme and its file.
void saveLockScreenBundleID(VantileController& controller, const std::string& name, const std::string& bundleID) {
  auto& preset = controller.vantilePreset;
  const Value* children = controller.getLSPresetChildren();
  if (!preset || children == nullptr) return;
  auto element = VantileController::getElementDictionaryFromString(name, *children);
  const KeyPaths paths = VantileController::elementObject(preset->document);
  const auto path = paths.find(name);
  if (!element || !element->is_object() || path == paths.end()) return;
  (*element)["bundleID"] = bundleID;
  Value document = Value::object();
  document["PresetView"] = VantileController::editNestedDict(preset->document, *element, path->second)["PresetView"];
  const std::string text = document.dump(2, ' ', false, Value::error_handler_t::replace);
  if (!platform::foundation::writeFileAtomically(platform::foundation::devicePath(controller.currentLSTheme), text)) {
    std::string line = "Could not rewrite the theme file ";
    line.append(controller.currentLSTheme).append(" for ").append(name);
    VantileHelpers::writeToLog(line);
  }
  preset->document["PresetView"] = std::move(document["PresetView"]);
}

}  // namespace

void TouchRouting::enableActionsForView(const std::shared_ptr<View>& view, const std::string& actions) {
  const auto word = recogniserWord(actions);
  if (!view || !word) return;
  auto tap = platform::ui::TapGestureRecognizer::make(
      [weak = controller_.weak_from_this(), word = *word](GestureRecognizer& recognizer) {
        if (auto controller = weak.lock()) runAction(*controller, word, recognizer);
      });
  tap->setNumberOfTapsRequired(1);
  tap->setNumberOfTouchesRequired(1);
  view->addGestureRecognizer(std::move(tap));
}

void TouchRouting::checkLSTouch(platform::graphics::Point point, platform::graphics::Point offset) {
  const auto& root = controller_.vantileView;
  if (!root) return;
  const auto hit = root->hitTest({point.x - offset.x, point.y - offset.y});
  if (!hit) return;
  const std::string name = getLSElementNameFromTag(AnimationTargets::getViewTag(hit.get()));
  const Value* children = controller_.getLSPresetChildren();
  if (name.empty() || children == nullptr) return;
  const auto element = VantileController::getElementDictionaryFromString(name, *children);
  if (!element || !element->is_object()) return;
  if (element->contains("actions")) {
    ElementActions(controller_).handleAction(platform::foundation::description((*element)["actions"]), true, true, hit);
  }
  if (element->contains("bundleID")) {
    ElementActions(controller_).launchAppFromLS(platform::foundation::description((*element)["bundleID"]));
  }
}

void TouchRouting::checkSBTouch(platform::graphics::Point point, platform::graphics::Point offset) {
  const auto& root = controller_.vantileViewSB;
  if (!root) return;
  const auto hit = root->hitTest({point.x - offset.x, point.y - offset.y});
  if (!hit) return;
  const std::string name = getSBElementNameFromTag(AnimationTargets::getViewTag(hit.get()));
  const Value* children = controller_.getSBPresetChildren();
  if (name.empty() || children == nullptr) return;
  const auto element = VantileController::getElementDictionaryFromString(name, *children);
  if (!element || !element->is_object()) return;
  if (element->contains("actions")) {
    ElementActions(controller_).handleAction(platform::foundation::description((*element)["actions"]), false, true,
                                             hit);
  }
  if (element->contains("bundleID")) {
    ElementActions::openApplication(platform::foundation::description((*element)["bundleID"]));
  }
}

std::string TouchRouting::getLSElementNameFromTag(std::string_view tagText) const {
  return nameFromTag(controller_.vantilePreset, tagText);
}

std::string TouchRouting::getSBElementNameFromTag(std::string_view tagText) const {
  return nameFromTag(controller_.vantilePresetSB, tagText);
}

void TouchRouting::sbAnimation(const GestureRecognizer& recognizer) {
  controller_.isLSTap = false;
  AnimationRunner(controller_).handleAnimation(recognizer);
}

void TouchRouting::launchApp(const GestureRecognizer& recognizer) {
  const auto icon = touchedView(recognizer);
  if (!icon || !icon->layer()->name()) return;
  ElementActions::openApplication(*icon->layer()->name());
}

void TouchRouting::changeApp(const GestureRecognizer& recognizer) {
  const auto icon = touchedView(recognizer);
  if (!icon || recognizer.state() != GestureRecognizer::State::began) return;
  const bool lockScreen = controller_.vantileView && icon->isDescendantOfView(*controller_.vantileView);
  const auto& root = lockScreen ? controller_.vantileView : controller_.vantileViewSB;
  const auto& drawer = controller_.hooks.drawer;
  if (!root || !drawer.initAppDrawerWithFrame) return;
  auto view = drawer.initAppDrawerWithFrame(root->bounds());
  if (!view) return;
  controller_.appDrawer = view;
  root->addSubview(view);
  if (!drawer.setCompletionBlock) return;
  drawer.setCompletionBlock(*view, [weak = controller_.weak_from_this(), weakIcon = std::weak_ptr<View>(icon)](
                                       const std::string& bundleID) {
    const auto controller = weak.lock();
    const auto icon = weakIcon.lock();
    if (controller && icon) TouchRouting(*controller).assignApp(icon, bundleID);
  });
}

void TouchRouting::assignApp(const std::shared_ptr<View>& icon, const std::string& bundleID) {
  icon->layer()->setName(bundleID);
  const std::string tag = AnimationTargets::getViewTag(icon.get());
  const bool lockScreen = controller_.vantileView && icon->isDescendantOfView(*controller_.vantileView);
  if (lockScreen) {
    const std::string name = getLSElementNameFromTag(tag);
    if (!name.empty()) saveLockScreenBundleID(controller_, name, bundleID);
    if (const Value* children = controller_.getLSPresetChildren()) controller_.updateChildren(Value(*children), "lockscreen");
    return;
  }
  const std::string name = controller_.getElementNameFromTag(tag);
  if (!name.empty()) controller_.setBundleIDToTheme(name, bundleID);
  if (const Value* children = controller_.getSBPresetChildren()) controller_.updateChildren(Value(*children), "homescreen");
}

}  // namespace vantile
