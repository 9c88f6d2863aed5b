#include "editor/CreatorView.h"

#include "inspector/pickers/AssetImages.h"
#include "inspector/pickers/ImagePickerVC.h"
#include "inspector/pickers/SFSymbolsVC.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/navigation/NavigationController.h"

namespace vantile {

namespace ui = platform::ui;

namespace {

void presentPicker(const std::shared_ptr<ui::ViewController>& presenter, std::shared_ptr<ui::ViewController> picker) {
  if (!presenter) {
    platform::foundation::systemLog("No view controller to show the picker on.");
    return;
  }
  presenter->presentViewController(ui::NavigationController::make(std::move(picker)), true);
}

}  // namespace

std::vector<std::string> CreatorView::getImages() { return listAssetImages(); }

void CreatorView::createImagePicker(ui::GestureRecognizer& recognizer) {
  const auto view = recognizer.view();
  const auto location = view ? recognizer.locationInView(view.get()) : std::nullopt;
  const auto hit = location ? view->hitTest(*location) : nullptr;
  const std::optional<std::string> style = hit ? hit->layer()->name() : std::nullopt;
  if (!style || style->empty()) {
    platform::foundation::systemLog("The image row names no style to pick a picture for.");
    return;
  }

  auto picker = ImagePickerVC::make();
  picker->images = getImages();
  picker->completionBlock = [canvas = weakCanvas(), style = *style](const std::string& value) {
    if (const auto self = canvas.lock()) self->addImageValue(value, style);
  };
  presentPicker(topViewController(), std::move(picker));
}

void CreatorView::addImageValue(const std::string& value, const std::string& style) {
  setElementStyle(style, selectedElement, value);
  reloadScrollviewResetPosition();
}

void CreatorView::createSFImagePicker() {
  presentPicker(topViewController(), SFSymbolsVC::make([canvas = weakCanvas()](const std::string& symbolName) {
                  if (const auto self = canvas.lock()) self->setSFSymbolName(symbolName);
                }));
}

void CreatorView::setSFSymbolName(const std::string& symbolName) {
  setElementStyle("SFSymbolName", selectedElement, symbolName);
}

}  // namespace vantile
