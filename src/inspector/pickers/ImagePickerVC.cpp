#include "inspector/pickers/ImagePickerVC.h"

#include "engine/helpers/UserFileNames.h"
#include "engine/helpers/VantileHelpers.h"
#include "inspector/pickers/AssetImages.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/navigation/BarButtonItem.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace ui = platform::ui;
namespace foundation = platform::foundation;

namespace {

constexpr platform::graphics::Color kThumbnailBackground{0.56, 0.56, 0.58, 0.5};
constexpr double kThumbnailCornerRadius = 10;

std::string assetPath(const std::string& fileName) { return std::string(kAssetsFolder) + fileName; }

}  // namespace

std::shared_ptr<ImagePickerVC> ImagePickerVC::make() { return std::make_shared<ImagePickerVC>(ConstructionKey{}); }

ImagePickerVC::ImagePickerVC(ConstructionKey key) : PickerListController(key, NameCase::lowerCased) {}

std::vector<std::string> ImagePickerVC::getImages() { return listAssetImages(); }

void ImagePickerVC::loadNames() {
  const std::weak_ptr<ImagePickerVC> weak = std::static_pointer_cast<ImagePickerVC>(shared_from_this());
  addImageButton = ui::BarButtonItem::make("Add Image", [weak] {
    if (const auto self = weak.lock()) self->addImage();
  });
  navigationItem().setRightBarButtonItem(addImageButton);
  symbols = images;
  listData = symbols;
}

void ImagePickerVC::reloadTableView() {
  images = getImages();
  symbols = images;
  showAllNames();
}

void ImagePickerVC::showPicture(ui::ImageView& imageView, const std::string& name) const {
  imageView.setBackgroundColor(kThumbnailBackground);
  imageView.layer()->setCornerRadius(kThumbnailCornerRadius);
  imageView.setImage(platform::graphics::imageFromFile(foundation::devicePath(assetPath(name))));
}

void ImagePickerVC::choose(const std::string& name) {
  if (completionBlock) completionBlock(name);
}

void ImagePickerVC::addImage() {
  auto picker = ui::ImagePickerController::make();
  picker->setDelegate(std::shared_ptr<ui::ImagePickerDelegate>(shared_from_this(), this));
  presentViewController(std::move(picker), true);
}

bool ImagePickerVC::implements(ui::ImagePickerDelegate::Operation) const { return true; }

void ImagePickerVC::imagePickerController(ui::ImagePickerController& picker,
                                          const platform::graphics::Image& originalImage) {
  picker.dismissViewController(true);
  std::optional<std::string> png = platform::graphics::encodePNG(originalImage);
  if (!png) {
    foundation::systemLog("ImagePickerVC: the picked photo could not be made a PNG");
    return;
  }
  askForName(std::move(*png));
}

void ImagePickerVC::askForName(std::string pngData) {
  auto alert = ui::AlertController::make("Vantile", "Enter name for this image", ui::AlertController::Style::alert);
  const auto field = alert->addTextField([](ui::TextField& textField) {
    textField.setPlaceholder("my_image");
    textField.setTextColor({0.5, 0.5, 0.5, 1});
    textField.setClearButtonMode(ui::TextField::ViewMode::whileEditing);
    textField.setBorderStyle(ui::TextField::BorderStyle::roundedRect);
  });
  alert->addAction({"Cancel", ui::AlertAction::Style::cancel, {}});
  const std::weak_ptr<ImagePickerVC> weak = std::static_pointer_cast<ImagePickerVC>(shared_from_this());
  const std::weak_ptr<ui::TextField> weakField = field;
  alert->addAction({"Apply", ui::AlertAction::Style::normal, [weak, weakField, pngData = std::move(pngData)] {
                      const auto self = weak.lock();
                      const auto typed = weakField.lock();
                      if (self && typed) self->saveImage(typed->text(), pngData);
                    }});
  presentViewController(std::move(alert), true);
}

void ImagePickerVC::saveImage(const std::string& typedName, const std::string& pngData) {
  const UserImageName name = userImageFileName(typedName);
  switch (name.outcome) {
    case UserImageName::Outcome::missing:
      userNoName();
      return;
    case UserImageName::Outcome::refused:
      showAlert(std::string(kUserFileNameRule));
      return;
    case UserImageName::Outcome::accepted:
      break;
  }
  // Unverified: a failed write only leaves the file out of the list.
  foundation::writeFileAtomically(foundation::devicePath(assetPath(name.fileName)), pngData);
  reloadTableView();
}

void ImagePickerVC::userNoName() { showAlert("You must enter a name for the image. Try again."); }

void ImagePickerVC::showAlert(const std::string& message) {
  auto alert = ui::AlertController::make("Vantile", message, ui::AlertController::Style::alert);
  alert->addAction({"OK", ui::AlertAction::Style::normal, {}});
  presentViewController(std::move(alert), true);
}

bool ImagePickerVC::implements(ui::TableViewDataSource::Operation operation) const {
  return operation == ui::TableViewDataSource::Operation::canEditRowAtIndexPath ||
         operation == ui::TableViewDataSource::Operation::commitEditingStyle;
}

bool ImagePickerVC::canEditRowAtIndexPath(ui::TableView&, ui::IndexPath) { return true; }

void ImagePickerVC::commitEditingStyle(ui::TableView&, EditingStyle style, ui::IndexPath indexPath) {
  if (style != EditingStyle::deletion || indexPath.row < 0 || static_cast<std::size_t>(indexPath.row) >= listData.size()) {
    return;
  }
  deleteFileAtPath(assetPath(listData[static_cast<std::size_t>(indexPath.row)]));
  reloadTableView();
}

void ImagePickerVC::deleteFileAtPath(const std::string& path) {
  const std::optional<std::filesystem::path> file = foundation::pathInsideDeviceRoot(foundation::devicePath(path));
  std::error_code error;
  if (!file || !std::filesystem::exists(*file, error)) {
    writeToLog("Cannot delete image " + path);
    return;
  }
  std::filesystem::remove(*file, error);
  if (error) writeToLog("Error deleting image " + error.message());
}

void ImagePickerVC::writeToLog(const std::string& text) { VantileHelpers::writeToLog(text); }

}  // namespace vantile
