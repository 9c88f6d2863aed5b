#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/controls/AlertController.h"

namespace vantile {

// An editor alert: titled "Vantile", with the message and the buttons in order.
std::shared_ptr<platform::ui::AlertController> makeEditorAlert(std::string message,
                                                               std::vector<platform::ui::AlertAction> actions);

// An editor alert asking for one line of text in its field (placeholder, grey text, clear
// button while editing, rounded border); the buttons are the caller's.
std::shared_ptr<platform::ui::AlertController> makeEditorTextFieldAlert(std::string message, std::string placeholder);

// Presents the alert animated on the presenter; without one the alert is only logged.
void presentEditorAlert(const std::shared_ptr<platform::ui::ViewController>& presenter,
                        const std::shared_ptr<platform::ui::AlertController>& alert);

}  // namespace vantile
