// Drawing the canvas at the size of another device, without touching the document's frame.
#include "editor/CreatorView.h"
#include "editor/panel/CreatorOptions.h"
#include "editor/panel/PreviewSizes.h"
#include "editor/panel/TopLevelOrder.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

using platform::Value;

void CreatorView::loadPreviewSizes() {
  closeSettingsPicker();
  optionPicker = openOptionMenu(std::string(kCreatorOptionsTitle), Value{{"0", previewSizeRows()}},
                                [canvas = weakCanvas()](const std::string& row) {
                                  if (const auto strong = canvas.lock()) strong->previewAtSize(row);
                                });
}

void CreatorView::previewAtSize(const std::optional<std::string>& row) {
  if (!display) return;
  if (creatorView) creatorView->removeFromSuperview();
  display->setTransform(platform::graphics::AffineTransform::identity());
  closeSettingsPicker();

  const PreviewSize size = previewSizeForRow(row, platform::ui::Screen::mainScreen().bounds().size);
  if (row == kMyDeviceRow) {
    // The document's own draw first; only the preview's root stays on the display.
    reloadTheme();
    removeDrawnTheme();
  }

  // Layered as the document's own draw, "childorder" fallback included, so the preview shows the
  // theme as it is.
  Value root = documentRoot(creatorPreset);
  root["frame"] = {{"x", "0"}, {"y", "0"}, {"width", std::to_string(size.width)}, {"height", std::to_string(size.height)}};
  display->setFrame({0, 0, static_cast<double>(size.width), static_cast<double>(size.height)});
  drawRoot(root);
  refreshScrollview();
}

}  // namespace vantile
