// Drawing the canvas at the size of another device, without touching the document's frame.
#include "editor/CreatorView.h"
#include "editor/panel/CreatorOptions.h"
#include "editor/panel/PreviewSizes.h"
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

  const auto documentRoot = creatorPreset.is_object() ? creatorPreset.find("PresetView") : creatorPreset.end();
  Value root = creatorPreset.is_object() && documentRoot != creatorPreset.end() && documentRoot->is_object()
                   ? *documentRoot
                   : Value::object();
  // Only the root's "order" decides the preview's layering, without the "childorder" fallback.
  root.erase("childorder");
  root["frame"] = {{"x", "0"}, {"y", "0"}, {"width", std::to_string(size.width)}, {"height", std::to_string(size.height)}};
  display->setFrame({0, 0, static_cast<double>(size.width), static_cast<double>(size.height)});
  drawRoot(root);
  refreshScrollview();
}

}  // namespace vantile
