// What the element list's row buttons do: delete, duplicate, and the extras sheet with lock and hide.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "inspector/actions/ElementOptionActionHandler.h"
#include "inspector/naming/ElementNameRefusal.h"
#include "inspector/naming/ElementNameRules.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"

namespace vantile {

namespace {

using platform::ui::AlertAction;
using platform::ui::AlertController;


// Adds the name when absent, else removes it; true when it was added.
bool toggle(std::vector<std::string>& names, const std::string& name) {
  if (std::erase(names, name) > 0) return false;
  names.push_back(name);
  return true;
}

bool holds(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

void CreatorView::handleElementRowButton(const std::string& name, const std::string& action) {
  setSelectedElement(name);
  if (action == "remove") {
    confirmElementRemoval(name);
  } else if (action == "lockhide") {
    showElementActionSheet();
  } else if (action == "copy") {
    askForDuplicateName(name);
  }
}

void CreatorView::confirmElementRemoval(const std::string& name) {
  auto remove = [canvas = weakCanvas(), name] {
    const auto strong = canvas.lock();
    if (!strong) return;
    strong->backupTheme();
    strong->removeElement(name);
    strong->setSelectedElement("none");
    strong->removeAllElementDragGestures();
    strong->removeResizeHandles();
    strong->hideHintLabel();
    strong->refreshScrollview();
  };
  presentEditorAlert(topViewController(),
                     makeEditorAlert("Are you sure you want to delete this element?",
                                     {{"No", AlertAction::Style::normal, {}},
                                      {"Yes", AlertAction::Style::normal, std::move(remove)}}));
}

void CreatorView::askForDuplicateName(const std::string& name) {
  auto prompt = makeEditorTextFieldAlert("Duplicate - Give element a new name.", "Name");
  prompt->addAction({"Cancel", AlertAction::Style::normal, {}});
  prompt->addAction({"Duplicate", AlertAction::Style::normal,
                     [canvas = weakCanvas(), weakPrompt = std::weak_ptr<AlertController>(prompt), name] {
                       const auto strong = canvas.lock();
                       const auto shown = weakPrompt.lock();
                       if (strong && shown) strong->duplicateElement(shown->textFields().front()->text(), name);
                     }});
  presentEditorAlert(topViewController(), prompt);
}

void CreatorView::duplicateElement(const std::string& typedName, const std::string& sourceName) {
  const std::string name = sanitizeElementName(typedName);
  const KeyPaths names = CreatorDictHelpers::elementObject(creatorPreset);
  if (const auto refusal =
          elementNameRefusal(name, [&names](std::string_view candidate) { return names.contains(candidate); })) {
    presentEditorAlert(topViewController(), makeElementNameErrorAlert(*refusal));
    return;
  }
  elementOptionActionHandler().addDuplicatedItemWithName(name, sourceName);
}

void CreatorView::showElementActionSheet() {
  const std::string name = selectedElement;
  auto sheet = AlertController::make("Element Extras", std::nullopt, AlertController::Style::actionSheet);
  const auto canvas = weakCanvas();
  sheet->addAction({holds(lockedElements, name) ? "Unlock Item" : "Lock Item", AlertAction::Style::normal,
                    [canvas, name] {
                      if (const auto strong = canvas.lock()) strong->lockElement(name);
                    }});
  sheet->addAction({holds(hiddenElements, name) ? "Show Item" : "Hide Item", AlertAction::Style::normal,
                    [canvas, name] {
                      if (const auto strong = canvas.lock()) strong->hideElement(name);
                    }});
  sheet->addAction({"Rename Element", AlertAction::Style::normal, [canvas, name] {
                      if (const auto strong = canvas.lock()) strong->renameElement(name);
                    }});
  sheet->addAction({"Cancel", AlertAction::Style::normal, {}});
  presentEditorAlert(topViewController(), sheet);
}

void CreatorView::lockElement(const std::string& name) {
  toggle(lockedElements, name);
  setSelectedElement("none");
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadScrollview();
}

void CreatorView::hideElement(const std::string& name) {
  const bool hidden = toggle(hiddenElements, name);
  if (const auto elementView = getElementView(name)) elementView->setHidden(hidden);
  setSelectedElement("none");
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadScrollview();
}

}  // namespace vantile
