#include "inspector/naming/ElementRenameManager.h"

#include "inspector/naming/ElementNameRefusal.h"
#include "inspector/naming/ElementNameRules.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

namespace {

using Operation = ElementRenameManagerDelegate::Operation;
using platform::Value;
using platform::ui::AlertAction;
using platform::ui::AlertController;

const Value* presetChildren(const Value* preset) {
  if (preset == nullptr || !preset->is_object()) return nullptr;
  const auto root = preset->find("PresetView");
  if (root == preset->end() || !root->is_object()) return nullptr;
  const auto children = root->find("children");
  return children == root->end() ? nullptr : &*children;
}

bool hasBlankEnds(std::string_view name) {
  constexpr std::string_view kBlanks = " \t\n\r\v\f";
  return !name.empty() && (kBlanks.find(name.front()) != std::string_view::npos ||
                           kBlanks.find(name.back()) != std::string_view::npos);
}

void present(const std::shared_ptr<platform::ui::ViewController>& presenter,
             const std::shared_ptr<AlertController>& alert) {
  if (!presenter) {
    platform::foundation::systemLog("Rename: no view controller to show \"" + alert->title().value_or("") + "\" on");
    return;
  }
  presenter->presentViewController(alert, true);
}

}  // namespace

ElementRenameManager& ElementRenameManager::sharedInstance() {
  static ElementRenameManager manager;
  return manager;
}

bool ElementRenameManager::delegateImplements(Operation operation) const {
  const auto current = delegate();
  return current && current->implements(operation);
}

void ElementRenameManager::showRenameAlertForElement(const std::string& name) {
  const auto current = delegate();
  if (!current) return;
  auto alert = AlertController::make("Rename Element", "Enter new name for '" + name + "'",
                                     AlertController::Style::alert);
  alert->addTextField([&name](platform::ui::TextField& field) {
    field.setPlaceholder("Element name");
    field.setText(name);
    field.setTextColor({0.9, 0.9, 0.9, 1});
    field.setClearButtonMode(platform::ui::TextField::ViewMode::whileEditing);
    field.setBorderStyle(platform::ui::TextField::BorderStyle::roundedRect);
    field.setAutocapitalizationType(platform::ui::TextField::AutocapitalizationType::none);
    field.setAutocorrectionType(platform::ui::TextField::AutocorrectionType::no);
  });
  alert->addAction({"Cancel", AlertAction::Style::cancel, {}});
  // The manager lives for the whole process; the alert is held weakly so it does not keep itself.
  alert->addAction({"Rename", AlertAction::Style::normal, [this, name, shown = std::weak_ptr<AlertController>(alert)] {
                      if (const auto strong = shown.lock()) renameWithTypedName(name, strong->textFields().front()->text());
                    }});
  if (delegateImplements(Operation::topViewController)) present(current->topViewController(), alert);
}

void ElementRenameManager::renameWithTypedName(const std::string& name, const std::string& typed) {
  const std::string cleaned = sanitizeElementName(typed);
  const auto refusal =
      elementNameRefusal(cleaned, [this](std::string_view candidate) { return !getConflictingNames(candidate).empty(); });
  if (refusal) {
    showErrorAlert(refusal->title, refusal->message);
    return;
  }
  if (!renameElement(name, cleaned)) showErrorAlert("Rename Failed", "Failed to rename element. Please try again.");
}

bool ElementRenameManager::renameElement(const std::string& oldName, const std::string& newName) {
  const auto current = delegate();
  if (!current || oldName.empty() || newName.empty() || oldName == newName) return false;
  // The rules test the trimmed name; a key with blank ends would be a name nobody can type.
  if (hasBlankEnds(newName) || !validateElementName(newName)) return false;
  if (!delegateImplements(Operation::getCurrentPreset) || !delegateImplements(Operation::updatePreset)) return false;
  const Value* preset = current->getCurrentPreset();
  if (preset == nullptr) return false;
  auto renamed = performRename(oldName, newName, *preset);
  if (!renamed) return false;

  current->updatePreset(std::move(*renamed));
  if (delegateImplements(Operation::getSelectedElement) && delegateImplements(Operation::setSelectedElement) &&
      current->getSelectedElement() == oldName) {
    current->setSelectedElement(newName);
  }
  if (delegateImplements(Operation::elementDidRename)) current->elementDidRename(oldName, newName);
  return true;
}

bool ElementRenameManager::validateElementName(std::string_view name) const {
  return !elementNameProblem(name, [this](std::string_view candidate) {
    return !getConflictingNames(candidate).empty();
  });
}

std::vector<std::string> ElementRenameManager::getConflictingNames(std::string_view name) const {
  std::vector<std::string> conflicts;
  const auto current = delegate();
  if (!current || !delegateImplements(Operation::getCurrentPreset)) return conflicts;
  if (const Value* children = presetChildren(current->getCurrentPreset())) findConflictsForName(name, *children, conflicts);
  return conflicts;
}

std::string ElementRenameManager::sanitizeElementName(std::string_view typed) {
  return vantile::sanitizeElementName(typed);
}

void ElementRenameManager::showErrorAlert(const std::string& title, const std::string& message) const {
  const auto current = delegate();
  if (!current || !delegateImplements(Operation::topViewController)) return;
  present(current->topViewController(), makeElementNameErrorAlert({title, message}));
}

}  // namespace vantile
