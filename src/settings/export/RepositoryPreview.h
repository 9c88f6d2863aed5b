#pragma once

#include <memory>
#include <string>

#include "platform/ui/controls/ImagePickerController.h"
#include "settings/export/ThemeExport.h"

namespace vantile::settings {

// The picture of a repository export: the photo the user picks, shrunk, beside the theme.
// One per process, as the picker holds its delegate weakly; the next export replaces the path.
class RepositoryPreview : public platform::ui::ImagePickerDelegate {
 public:
  static const std::shared_ptr<RepositoryPreview>& shared();

  // Where the picked photo goes ("var/mobile/Documents/VantileRepo/themes/<name>/<name>.jpg").
  std::string previewURL;

  // Presents the photo picker on the top view controller.
  void setPreviewImage(TopViewControllerSource topViewController);

  bool implements(Operation operation) const override { return operation == Operation::didFinishPickingMedia; }
  void imagePickerController(platform::ui::ImagePickerController& picker,
                             const platform::graphics::Image& originalImage) override;

 private:
  TopViewControllerSource topViewController_;
};

// A "Vantile" alert with one "Ok" on the top view controller; logged when there is none.
void showExportMessage(const TopViewControllerSource& topViewController, std::string message);

}  // namespace vantile::settings
