#include "inspector/naming/ElementNameRefusal.h"

#include "inspector/naming/ElementNameRules.h"
#include "platform/ui/controls/AlertController.h"

namespace vantile {

std::optional<ElementNameRefusal> elementNameRefusal(std::string_view cleanedName,
                                                     const std::function<bool(std::string_view)>& isTaken) {
  if (cleanedName.empty()) return ElementNameRefusal{kInvalidElementNameTitle, "Element name cannot be empty."};
  if (!elementNameProblem(cleanedName, isTaken)) return std::nullopt;
  // A theme may hold a name the rules refuse (a reserved word, say): it still reads as taken.
  if (isTaken && isTaken(cleanedName)) {
    return ElementNameRefusal{"Name Already Exists", "An element named '" + std::string(cleanedName) +
                                                         "' already exists. Please choose a different name."};
  }
  return ElementNameRefusal{kInvalidElementNameTitle, kInvalidElementNameMessage};
}

std::shared_ptr<platform::ui::AlertController> makeElementNameErrorAlert(const ElementNameRefusal& refusal) {
  auto alert =
      platform::ui::AlertController::make(refusal.title, refusal.message, platform::ui::AlertController::Style::alert);
  alert->addAction({"OK", platform::ui::AlertAction::Style::normal, {}});
  return alert;
}

}  // namespace vantile
