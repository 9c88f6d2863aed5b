// The search field: typing narrows the names shown, deleting starts again from every theme.
#include <algorithm>

#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/input/TextField.h"
#include "settings/library/CreatorThemeDownloader.h"
#include "settings/library/ThemeLibraryPaths.h"

namespace vantile::settings {

namespace ui = platform::ui;

namespace {

bool isSearchField(const ui::TextField& field) { return field.layer()->name() == kSearchFieldName; }

}  // namespace

bool CreatorThemeDownloader::implements(ui::TextFieldDelegate::Operation operation) const {
  using Operation = ui::TextFieldDelegate::Operation;
  return operation == Operation::textFieldShouldChangeCharacters || operation == Operation::textFieldShouldClear ||
         operation == Operation::textFieldShouldReturn;
}

bool CreatorThemeDownloader::textField(ui::TextField& field, ui::TextRange range, const std::string& replacement) {
  if (!isSearchField(field)) return true;
  const std::string searched = ui::textAfterReplacing(field.text(), range, replacement);
  if (replacement.empty()) {
    themeNames = getLocalThemes();
    reloadGrid();
  }
  if (!searched.empty()) {
    const std::string wanted = platform::foundation::lowercaseString(searched);
    std::erase_if(themeNames, [&wanted](const std::string& name) {
      return platform::foundation::lowercaseString(name).find(wanted) == std::string::npos;
    });
    reloadGrid();
  }
  return true;
}

bool CreatorThemeDownloader::textFieldShouldClear(ui::TextField& field) {
  if (!isSearchField(field)) return true;
  themeNames = getLocalThemes();
  reloadGrid();
  closeKeyboard();
  return true;
}

bool CreatorThemeDownloader::textFieldShouldReturn(ui::TextField& field) {
  if (!isSearchField(field)) return true;
  closeKeyboard();
  return false;
}

void CreatorThemeDownloader::closeKeyboard() {
  platform::foundation::MainQueue::shared().post([field = std::weak_ptr<ui::TextField>(searchFieldView)] {
    if (const auto strong = field.lock()) strong->resignFirstResponder();
  });
}

}  // namespace vantile::settings
