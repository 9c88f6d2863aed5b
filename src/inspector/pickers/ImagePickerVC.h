#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inspector/pickers/PickerListController.h"
#include "platform/ui/controls/ImagePickerController.h"

namespace platform::ui {
class BarButtonItem;
}  // namespace platform::ui

namespace vantile {

// The user's pictures of the assets folder with thumbnails. "Add Image" stores a photo of the
// library as a PNG under a name the user types; a swipe deletes a file; the chosen file name
// goes to completionBlock.
class ImagePickerVC : public PickerListController, public platform::ui::ImagePickerDelegate {
 public:
  static std::shared_ptr<ImagePickerVC> make();

  explicit ImagePickerVC(ConstructionKey key);

  // The file names given by the caller (as getImages lists them).
  std::vector<std::string> images;
  std::function<void(const std::string& fileName)> completionBlock;
  std::shared_ptr<platform::ui::BarButtonItem> addImageButton;

  static std::vector<std::string> getImages();
  // Reads the folder again and shows all of it.
  void reloadTableView();
  void addImage();
  // Stores the picture under the typed name; the missing-name or refusal alert instead.
  void saveImage(const std::string& typedName, const std::string& pngData);
  void deleteFileAtPath(const std::string& path);
  void userNoName();
  static void writeToLog(const std::string& text);

  bool implements(platform::ui::TableViewDataSource::Operation operation) const override;
  bool implements(platform::ui::ImagePickerDelegate::Operation operation) const override;
  using PickerListController::implements;
  bool canEditRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath indexPath) override;
  void commitEditingStyle(platform::ui::TableView& tableView, EditingStyle style,
                          platform::ui::IndexPath indexPath) override;
  void imagePickerController(platform::ui::ImagePickerController& picker,
                             const platform::graphics::Image& originalImage) override;

 protected:
  void loadNames() override;
  void showPicture(platform::ui::ImageView& imageView, const std::string& name) const override;
  void choose(const std::string& name) override;

 private:
  void askForName(std::string pngData);
  void showAlert(const std::string& message);
};

}  // namespace vantile
