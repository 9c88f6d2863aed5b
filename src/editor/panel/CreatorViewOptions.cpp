// The "Creator Options" menu of the editor panel and the canvas-wide commands it runs.
#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "editor/panel/BackgroundPictureDelegate.h"
#include "editor/panel/CreatorOptions.h"
#include "editor/panel/PreviewSizes.h"
#include "editor/selection/HighlightOption.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ViewController.h"

namespace vantile {

namespace {

constexpr std::string_view kOpenSettingsNotification = "com.kestrune.vantile/openSettings";

// The settings bundle's "blank.png"; nothing when the bundle has none.
std::optional<platform::graphics::Image> blankBundleImage() {
  const std::optional<std::string> path = settingsBundleResourcePath("blank", "png");
  return path ? platform::graphics::imageFromFile(platform::foundation::devicePath(*path)) : std::nullopt;
}

}  // namespace

void CreatorView::loadSettingsPicker() {
  closeSettingsPicker();
  const bool gridHidden = gridView ? gridView->isHidden() : disableGrid;
  platform::Value options = {{"0", creatorOptionRows(gridHidden, highlightOptionIsOn())}};
  optionPicker = openOptionMenu(std::string(kCreatorOptionsTitle), std::move(options),
                                [canvas = weakCanvas()](const std::string& row) {
                                  if (const auto strong = canvas.lock()) strong->creatorOptionSelected(row);
                                });
}

void CreatorView::closeSettingsPicker() {
  if (optionPicker) optionPicker->removeFromSuperview();
  optionPicker.reset();
}

void CreatorView::creatorOptionSelected(const std::optional<std::string>& text) {
  const std::optional<CreatorOption> option = creatorOptionForText(text);
  if (!option) return;
  switch (*option) {
    case CreatorOption::openSettings:
      platform::foundation::DarwinNotificationCenter::shared().post(kOpenSettingsNotification);
      closeSettingsPicker();
      break;
    case CreatorOption::setBackgroundImage:
      setBackgroundImage();
      closeSettingsPicker();
      break;
    case CreatorOption::removeBackgroundImage:
      removeBackgroundImage();
      closeSettingsPicker();
      break;
    case CreatorOption::resetViewPosition:
      resetViewPosition();
      closeSettingsPicker();
      break;
    case CreatorOption::saveTheme:
      // The save's preview snapshot takes the menu away.
      saveTheme();
      break;
    case CreatorOption::downloadThemes:
      fetchThemeCatalogue();
      break;
    case CreatorOption::toggleGrid:
      toggleGrid();
      closeSettingsPicker();
      break;
    case CreatorOption::toggleHighlight:
      toggleHighlight();
      closeSettingsPicker();
      break;
    case CreatorOption::recoverTheme:
      if (recoverTheme()) closeSettingsPicker();
      break;
    case CreatorOption::previewSizes:
      loadPreviewSizes();
      break;
  }
}

void CreatorView::setBackgroundImage() {
  const auto presenter = topViewController();
  if (!presenter) {
    platform::foundation::systemLog("No view controller to show the photo picker on.");
    return;
  }
  if (!backgroundPickerDelegate_) {
    backgroundPickerDelegate_ = std::make_shared<BackgroundPictureDelegate>(
        [canvas = weakCanvas()](platform::ui::ImagePickerController& picker, const platform::graphics::Image& image) {
          if (const auto strong = canvas.lock()) strong->imagePickerController(picker, image);
        });
  }
  auto picker = platform::ui::ImagePickerController::make();
  picker->setDelegate(backgroundPickerDelegate_);
  presenter->presentViewController(std::move(picker), true);
}

void CreatorView::imagePickerController(platform::ui::ImagePickerController& picker,
                                        const platform::graphics::Image& image) {
  picker.dismissViewController(true);
  backgroundImage = image;
  if (backgroundView) backgroundView->setImage(backgroundImage);
}

void CreatorView::removeBackgroundImage() {
  if (backgroundView) backgroundView->setImage(std::nullopt);
  backgroundImage = blankBundleImage();
}

void CreatorView::resetViewPosition() {
  if (!display || !mainView) return;
  display->setTransform(platform::graphics::AffineTransform::identity());
  const platform::graphics::Rect frame = display->frame();
  const int x = resetViewPositionX(mainView->bounds().size.width, frame.size.width);
  display->setFrame({static_cast<double>(x), 0, frame.size.width, frame.size.height});
}

void CreatorView::toggleGrid() {
  const bool hidden = !(gridView ? gridView->isHidden() : disableGrid);
  if (gridView) gridView->setHidden(hidden);
  disableGrid = hidden;
}

void CreatorView::toggleHighlight() { setHighlightOption(!highlightOptionIsOn()); }

}  // namespace vantile
