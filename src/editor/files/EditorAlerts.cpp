#include "editor/files/EditorAlerts.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/input/TextField.h"

namespace vantile {

std::shared_ptr<platform::ui::AlertController> makeEditorAlert(std::string message,
                                                               std::vector<platform::ui::AlertAction> actions) {
  auto alert = platform::ui::AlertController::make("Vantile", std::move(message),
                                                   platform::ui::AlertController::Style::alert);
  for (platform::ui::AlertAction& action : actions) alert->addAction(std::move(action));
  return alert;
}

std::shared_ptr<platform::ui::AlertController> makeEditorTextFieldAlert(std::string message, std::string placeholder) {
  auto alert = makeEditorAlert(std::move(message), {});
  alert->addTextField([&placeholder](platform::ui::TextField& field) {
    field.setPlaceholder(std::move(placeholder));
    field.setTextColor({0.5, 0.5, 0.5, 1});
    field.setClearButtonMode(platform::ui::TextField::ViewMode::whileEditing);
    field.setBorderStyle(platform::ui::TextField::BorderStyle::roundedRect);
  });
  return alert;
}

void presentEditorAlert(const std::shared_ptr<platform::ui::ViewController>& presenter,
                        const std::shared_ptr<platform::ui::AlertController>& alert) {
  if (!presenter) {
    platform::foundation::systemLog("No view controller to show the alert \"" + alert->message().value_or("") + "\" on.");
    return;
  }
  presenter->presentViewController(alert, true);
}

}  // namespace vantile
