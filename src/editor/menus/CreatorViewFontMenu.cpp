// The font menu: the stock fonts of the platform and the font files of the assets folder.
#include "editor/CreatorView.h"
#include "editor/menus/FontMenuLists.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

constexpr const char* kAssetsFolder = "/var/mobile/Library/VantileAssets/";
constexpr const char* kSampleText = "S M T W T F S";

}  // namespace

void CreatorView::loadFontMenu() { loadFontMenuForStyle("fontName"); }

void CreatorView::loadAttrFontMenu() { loadFontMenuForStyle("fontNameAttr"); }

void CreatorView::loadFontMenuForStyle(const std::string& style) {
  const platform::Value options = {
      {"0", FontMenuLists::stockFontNames(platform::graphics::fontFamilies())},
      {"1", FontMenuLists::customFontFiles(platform::foundation::devicePath(kAssetsFolder))},
      {"type", "font"},
      {"segmentArray", {"Stock", "Custom"}},
      {"selectedElementText", getSelectedElementText()}};
  auto picked = [canvas = weakCanvas(), style, element = selectedElement](const std::string& font) {
    const auto self = canvas.lock();
    if (!self) return;
    self->setElementStyle(style, element, font);
    self->reloadScrollview();
    closeOptionMenu(self->fontPicker);
  };
  closeOptionMenu(fontPicker);
  fontPicker = openOptionMenu("Select Font", options, std::move(picked));
}

std::string CreatorView::getSelectedElementText() const {
  const auto label = std::dynamic_pointer_cast<platform::ui::Label>(getElementView(selectedElement));
  return label ? label->text() : kSampleText;
}

}  // namespace vantile
