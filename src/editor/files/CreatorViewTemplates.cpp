// Saving the selected element as an element template.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "editor/files/TemplateFileNames.h"
#include "engine/helpers/UserFileNames.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/input/TextField.h"

namespace vantile {

using platform::ui::AlertAction;

namespace {
AlertAction okButton() { return {"Ok", AlertAction::Style::normal, {}}; }
AlertAction cancelButton() { return {"Cancel", AlertAction::Style::cancel, {}}; }
}  // namespace

void CreatorView::exportTemplate() {
  auto prompt = makeEditorTextFieldAlert("Input a template name", "Template Name");
  prompt->addAction(cancelButton());
  prompt->addAction({"Save", AlertAction::Style::normal,
                     [canvas = weakCanvas(), weakPrompt = std::weak_ptr<platform::ui::AlertController>(prompt)] {
                       const auto strong = canvas.lock();
                       const auto shown = weakPrompt.lock();
                       if (strong && shown) strong->checkIfDuplicate(templateFileName(shown->textFields().front()->text()));
                     }});
  presentEditorAlert(topViewController(), prompt);
}

void CreatorView::checkIfDuplicate(const std::string& fileName) {
  const std::string name = templateNameOfFile(fileName);
  if (refuseUserFileName(name, "template")) return;
  if (std::ranges::find(elementTypes, name) == elementTypes.end()) {
    saveTemplate(fileName, false);
    return;
  }
  presentEditorAlert(topViewController(),
                     makeEditorAlert("Do you wish to update this existing template?",
                                     {cancelButton(),
                                      {"Update", AlertAction::Style::normal, [canvas = weakCanvas(), fileName] {
                                         if (const auto strong = canvas.lock()) strong->saveTemplate(fileName, true);
                                       }}}));
}

void CreatorView::saveTemplate(const std::string& fileName, bool wasUpdated) {
  const std::string name = templateNameOfFile(fileName);
  if (refuseUserFileName(name, "template")) return;
  const std::optional<platform::Value> element = dictHelpers.findElementInDictionary(selectedElement);
  const bool written =
      element && platform::foundation::writeFileAtomically(
                     platform::foundation::devicePath(std::string(kTemplatesFolder) + fileName),
                     element->dump(2, ' ', false, platform::Value::error_handler_t::replace));
  if (!written) {
    platform::foundation::systemLog("The template " + fileName + " of the element " + selectedElement +
                                    (element ? " could not be written." : " was not saved: no such element."));
    presentEditorAlert(topViewController(), makeEditorAlert("The template could not be saved.", {okButton()}));
    return;
  }
  if (std::ranges::find(elementTypes, name) == elementTypes.end()) elementTypes.push_back(name);
  presentEditorAlert(topViewController(),
                     makeEditorAlert(wasUpdated ? "Template updated you can find it in the Add New Element menu"
                                                : "Template added you can find it in the Add New Element menu",
                                     {okButton()}));
}

bool CreatorView::refuseUserFileName(const std::string& name, std::string_view kind) {
  if (isAcceptableUserFileName(name)) return false;
  platform::foundation::systemLog("The " + std::string(kind) + " name \"" + name + "\" was refused.");
  presentEditorAlert(topViewController(), makeEditorAlert(std::string(kUserFileNameRule), {okButton()}));
  return true;
}

}  // namespace vantile
