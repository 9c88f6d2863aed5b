#include "editor/elementlist/CanvasRenameDelegate.h"

#include "editor/CreatorView.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

bool CanvasRenameDelegate::implements(Operation) const { return true; }

const platform::Value* CanvasRenameDelegate::getCurrentPreset() const { return &canvas_.creatorPreset; }

void CanvasRenameDelegate::updatePreset(platform::Value preset) { canvas_.installEditedPreset(std::move(preset)); }

std::string CanvasRenameDelegate::getSelectedElement() const { return canvas_.getSelectedElement(); }

void CanvasRenameDelegate::setSelectedElement(std::string name) { canvas_.setSelectedElement(std::move(name)); }

void CanvasRenameDelegate::elementDidRename(const std::string& oldName, const std::string& newName) {
  canvas_.elementDidRename(oldName, newName);
}

std::shared_ptr<platform::ui::ViewController> CanvasRenameDelegate::topViewController() const {
  return canvas_.topViewController();
}

}  // namespace vantile
