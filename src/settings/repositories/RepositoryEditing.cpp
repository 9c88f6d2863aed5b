#include <algorithm>

#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/UserDefaults.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"
#include "settings/repositories/RepositoryBrowser.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeItems.h"

// Adding and removing the user's own repositories, kept in the standard user defaults.
namespace vantile::settings::repositories {

namespace ui = platform::ui;

namespace {

std::vector<std::string> storedList(const platform::foundation::UserDefaults& defaults, std::string_view key) {
  std::vector<std::string> list;
  const auto stored = defaults.objectForKey(key);
  if (!stored || !stored->is_array()) return list;
  for (const platform::Value& entry : *stored) list.push_back(entry.is_string() ? entry.get<std::string>() : "");
  return list;
}

platform::Value asArray(const std::vector<std::string>& texts) {
  platform::Value array = platform::Value::array();
  for (const std::string& text : texts) array.push_back(text);
  return array;
}

void styleField(ui::TextField& field, std::string placeholder) {
  field.setPlaceholder(std::move(placeholder));
  field.setTextColor(platform::graphics::Color{0.5, 0.5, 0.5, 1});
  field.setClearButtonMode(ui::TextField::ViewMode::whileEditing);
  field.setBorderStyle(ui::TextField::BorderStyle::roundedRect);
}

}  // namespace

void RepositoryBrowser::showAlert(const std::string& message, const std::string& actionTitle) {
  const auto presenter = host_.topViewController();
  if (!presenter) {
    platform::foundation::systemLog("Vantile: nowhere to show \"" + message + "\"");
    return;
  }
  auto alert = ui::AlertController::make("Vantile", message, ui::AlertController::Style::alert);
  alert->addAction({actionTitle, ui::AlertAction::Style::cancel, {}});
  presenter->presentViewController(alert, true);
}

void RepositoryBrowser::alertCantRemove() { showAlert("Cannot remove this repo.", "Ok"); }

void RepositoryBrowser::addRepo() {
  const auto presenter = host_.topViewController();
  if (!presenter) return;
  const auto builtIn = repositoryConfiguration().builtIn;
  auto alert = ui::AlertController::make("Vantile", "Add theme repo", ui::AlertController::Style::alert);
  const auto nameField = alert->addTextField([](ui::TextField& field) { styleField(field, "Name"); });
  const auto idField = alert->addTextField(
      [&](ui::TextField& field) { styleField(field, builtIn.empty() ? "owner/name" : builtIn.front().id); });
  alert->addAction({"Cancel", ui::AlertAction::Style::cancel, {}});
  alert->addAction({"Save", ui::AlertAction::Style::normal,
                    guarded([this, name = std::weak_ptr<ui::TextField>(nameField),
                             id = std::weak_ptr<ui::TextField>(idField)] {
                      const auto nameText = name.lock();
                      const auto idText = id.lock();
                      addOrRemoveRepo(withoutSpaces(nameText ? nameText->text() : ""),
                                      withoutSpaces(idText ? idText->text() : ""), true);
                    })});
  presenter->presentViewController(alert, true);
}

void RepositoryBrowser::addOrRemoveRepo(const std::string& name, const std::string& id, bool isAdding) {
  if (isAdding && (name.empty() || name == " " || id.empty() || id == " ")) {
    return showAlert("Name or Repo is incorrect", "Cancel");
  }
  if (isAdding && (id.find('/') == std::string::npos || !isSafeRepositoryId(id))) {
    return showAlert("Repo url is incorrect", "Cancel");
  }
  const auto builtIn = repositoryConfiguration().builtIn;
  for (std::size_t index = 0; index < std::min<std::size_t>(2, builtIn.size()); ++index) {
    if (id.find(builtIn[index].id) != std::string::npos) {
      return showAlert("These are default repos you don't need to add them again.", "Cancel");
    }
  }
  const auto defaults = platform::foundation::UserDefaults::standard();
  std::vector<std::string> names = storedList(defaults, "repoList");
  std::vector<std::string> ids = storedList(defaults, "repoURLList");
  if (isAdding) {
    const bool builtInName = std::any_of(builtIn.begin(), builtIn.end(), [&](const auto& known) { return known.name == name; });
    // A stored name equal to a built-in one could never be listed.
    if (builtInName) return showAlert("This name belongs to a default repo, use another name.", "Cancel");
    if (std::find(names.begin(), names.end(), name) != names.end()) {
      return showAlert("Repo name already exists, use another name.", "Cancel");
    }
    names.push_back(name);
    ids.push_back(id);
  } else {
    if (std::find(names.begin(), names.end(), name) == names.end()) return;
    std::vector<std::string> keptNames;
    std::vector<std::string> keptIds;
    for (std::size_t index = 0; index < names.size(); ++index) {
      if (names[index] == name) continue;
      keptNames.push_back(names[index]);
      if (index < ids.size()) keptIds.push_back(ids[index]);
    }
    names = std::move(keptNames);
    ids = std::move(keptIds);
  }
  saveRepoListToUserDefaults(names, std::move(ids));
  refreshRepoView();
}

void RepositoryBrowser::saveRepoListToUserDefaults(const std::vector<std::string>& names, std::vector<std::string> ids) {
  if (ids.size() > names.size()) ids.resize(names.size());
  const auto defaults = platform::foundation::UserDefaults::standard();
  defaults.setObject("repoList", asArray(names));
  defaults.setObject("repoURLList", asArray(ids));
  defaults.synchronize();
}

}  // namespace vantile::settings::repositories
