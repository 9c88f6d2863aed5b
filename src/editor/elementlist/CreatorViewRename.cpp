// Renaming from the element list's extras sheet, through the rename manager.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/elementlist/CanvasRenameDelegate.h"
#include "inspector/naming/ElementRenameManager.h"

namespace vantile {

namespace {

void renameIn(std::vector<std::string>& names, const std::string& oldName, const std::string& newName) {
  std::replace(names.begin(), names.end(), oldName, newName);
}

}  // namespace

void CreatorView::renameElement(const std::string& name) {
  if (!renameDelegate_) renameDelegate_ = std::make_shared<CanvasRenameDelegate>(*this);
  ElementRenameManager& manager = ElementRenameManager::sharedInstance();
  manager.setDelegate(renameDelegate_);
  manager.showRenameAlertForElement(name);
}

void CreatorView::elementDidRename(const std::string& oldName, const std::string& newName) {
  for (auto* names : {&lockedElements, &hiddenElements, &openedStackElements, &savedOpenedStackElements}) {
    renameIn(*names, oldName, newName);
  }
  // The marks are applied while drawing, so the canvas is drawn again under the new names.
  reloadTheme();
  reloadScrollview();
}

}  // namespace vantile
