// Adding new elements to the edited theme: by name prompt, under a parent, and from a bulk result.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/adding/ElementInsertion.h"
#include "editor/adding/ElementNames.h"
#include "editor/adding/NewElementSource.h"
#include "editor/files/EditorAlerts.h"
#include "engine/helpers/UserFileNames.h"
#include "inspector/naming/ElementNameRefusal.h"
#include "inspector/naming/ElementNameRules.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/input/TextField.h"

namespace vantile {

using platform::Value;
using platform::ui::AlertAction;

namespace {

AlertAction okButton() { return {"OK", AlertAction::Style::normal, {}}; }

ElementNameSet namesOf(const KeyPaths& paths) {
  ElementNameSet names;
  for (const auto& [name, path] : paths) names.insert(name);
  // The root's own name would read as "the top level" wherever a parent is named.
  names.insert(kRootElementName);
  return names;
}

std::optional<std::string> stringItem(const Value& item, const char* key) {
  const auto found = item.find(key);
  if (found == item.end() || !found->is_string()) return std::nullopt;
  return found->get<std::string>();
}

}  // namespace

void CreatorView::alertToGetNameString(const std::string& typeOrTemplate) {
  auto prompt = makeEditorTextFieldAlert("Enter name for this element", "key");
  prompt->addAction({"Cancel", AlertAction::Style::cancel, {}});
  prompt->addAction({"Apply", AlertAction::Style::normal,
                     [canvas = weakCanvas(), weakPrompt = std::weak_ptr<platform::ui::AlertController>(prompt),
                      typeOrTemplate] {
                       const auto strong = canvas.lock();
                       const auto shown = weakPrompt.lock();
                       if (strong && shown && !shown->textFields().empty()) {
                         strong->addElementWithTypedName(typeOrTemplate, shown->textFields().front()->text());
                       }
                     }});
  presentEditorAlert(topViewController(), prompt);
}

void CreatorView::addElementWithTypedName(const std::string& typeOrTemplate, const std::string& typed) {
  std::string name = typed;
  std::ranges::replace(name, ' ', '_');
  if (name.empty()) {
    userNoName();
    return;
  }
  if (!isAcceptableUserFileName(name)) {
    platform::foundation::systemLog("The element name \"" + name + "\" was refused.");
    presentEditorAlert(topViewController(), makeEditorAlert(std::string(kUserFileNameRule), {okButton()}));
    return;
  }
  if (namesOf(CreatorDictHelpers::elementObject(creatorPreset)).contains(name)) {
    cantAddAlert();
    return;
  }
  if (addElementToCreatorPreset(typeOrTemplate, name)) backupTheme();
}

void CreatorView::cantAddAlert() {
  presentEditorAlert(topViewController(),
                     makeEditorAlert("OH NO! This name already exists, please use another name.", {okButton()}));
}

void CreatorView::userNoName() {
  presentEditorAlert(topViewController(), makeEditorAlert("You must enter a name. Try again.", {okButton()}));
}

std::optional<std::string> CreatorView::addElementToCreatorPreset(const std::string& typeOrTemplate,
                                                                  const std::string& name) {
  return addElementToCreatorPreset(typeOrTemplate, name, kRootElementName);
}

std::optional<std::string> CreatorView::addElementToCreatorPreset(const std::string& typeOrTemplate,
                                                                  const std::string& name,
                                                                  const std::string& parentName) {
  const ElementNameSet themeNames = namesOf(CreatorDictHelpers::elementObject(creatorPreset));
  const std::string newName =
      uniqueElementName(name, [&themeNames](std::string_view candidate) { return themeNames.contains(candidate); });
  std::optional<Value> element = newElementDescription(typeOrTemplate, newName, themeNames);
  std::optional<Value> preset;
  if (element) preset = withNewElement(creatorPreset, std::move(*element), newName, parentName);
  if (!preset) {
    // Nothing half-added: no "order" entry names an element the theme lacks.
    platform::foundation::systemLog("The element " + newName + " of \"" + typeOrTemplate +
                                    "\" was not added: no element type or readable template has that name.");
    presentEditorAlert(topViewController(),
                       makeEditorAlert("\"" + typeOrTemplate + "\" could not be added.", {okButton()}));
    return std::nullopt;
  }
  creatorPreset = std::move(*preset);
  setSelectedElement("none");
  removeAllElementDragGestures();
  removeResizeHandles();
  reloadTheme();
  reloadScrollview();
  return newName;
}

void CreatorView::addElementToCreatorWithOptions(const Value& element, const std::string& name) {
  Value preset = creatorPreset;
  const auto root = preset.find(kRootElementName);
  if (root == preset.end() || !root->is_object()) {
    platform::foundation::systemLog("The element " + name + " was not stored: the theme has no root element.");
    return;
  }
  Value& children = (*root)["children"];
  if (!children.is_object()) children = Value::object();
  children[name] = element;
  creatorPreset = std::move(preset);
}

void CreatorView::bulkElementCreatorDidFinish(const Value& bulkElements) {
  lastCreatedElement.reset();
  processBulkElementHierarchy(bulkElements, kRootElementName);
  if (lastCreatedElement) {
    setSelectedElement(*lastCreatedElement);
    loadElementOptions(*lastCreatedElement);
  }
  backupTheme();
  reloadTheme();
  refreshScrollview();
}

void CreatorView::processBulkElementHierarchy(const Value& bulkElements, const std::string& parentName) {
  if (!bulkElements.is_array()) return;
  for (const Value& item : bulkElements) {
    const std::optional<std::string> type = item.is_object() ? stringItem(item, "elementType") : std::nullopt;
    const std::optional<std::string> name = item.is_object() ? stringItem(item, "elementName") : std::nullopt;
    if (!type || !name) {
      platform::foundation::systemLog("A bulk element without a type or a name was left out.");
      continue;
    }
    // A taken name is no refusal here: the element gets its first free numbered form.
    if (elementNameProblem(*name, [](std::string_view) { return false; })) {
      platform::foundation::systemLog("The bulk element name \"" + *name + "\" was refused; it was left out.");
      presentEditorAlert(topViewController(), makeEditorAlert(kInvalidElementNameMessage, {okButton()}));
      continue;
    }
    // Its children go under the name it got, which differs from the chosen one after a clash.
    const std::optional<std::string> added = addElementToCreatorPreset(*type, *name, parentName);
    if (!added) continue;
    lastCreatedElement = *added;
    backupTheme();
    const auto children = item.find("children");
    if (children != item.end() && children->is_array() && !children->empty()) {
      processBulkElementHierarchy(*children, *added);
    }
  }
}

}  // namespace vantile
