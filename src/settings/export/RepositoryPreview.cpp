#include "settings/export/RepositoryPreview.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/graphics/JPEGCodec.h"
#include "platform/ui/controls/AlertController.h"

namespace vantile::settings {

namespace {

constexpr double kPreviewQuality = 0.1;
constexpr double kShrinkingScale = 0.5;
constexpr double kConfirmationDelay = 0.5;

// Encoded, read back at half scale and encoded again: small enough for a catalogue grid.
std::optional<std::string> previewJPEG(const platform::graphics::Image& photo) {
  const auto first = platform::graphics::encodeJPEG(photo, kPreviewQuality);
  if (!first) return std::nullopt;
  const auto shrunk = platform::graphics::decodeJPEG(*first, kShrinkingScale);
  if (!shrunk) return std::nullopt;
  return platform::graphics::encodeJPEG(*shrunk, kPreviewQuality);
}

}  // namespace

const std::shared_ptr<RepositoryPreview>& RepositoryPreview::shared() {
  static const auto preview = std::make_shared<RepositoryPreview>();
  return preview;
}

void RepositoryPreview::setPreviewImage(TopViewControllerSource topViewController) {
  topViewController_ = std::move(topViewController);
  const auto top = topViewController_ ? topViewController_() : nullptr;
  if (!top) {
    platform::foundation::systemLog("Export: no view controller to show the photo picker on");
    return;
  }
  auto picker = platform::ui::ImagePickerController::make();
  picker->setDelegate(shared());
  top->presentViewController(std::move(picker), true);
}

void RepositoryPreview::imagePickerController(platform::ui::ImagePickerController& picker,
                                              const platform::graphics::Image& originalImage) {
  picker.dismissViewController(true);
  const auto jpeg = previewJPEG(originalImage);
  if (!jpeg || !platform::foundation::writeFileAtomically(platform::foundation::devicePath(previewURL), *jpeg)) {
    platform::foundation::systemLog("Export: the preview " + previewURL + " could not be written");
    showExportMessage(topViewController_, "Theme export failed: the preview " + previewURL + " could not be written.");
    return;
  }
  platform::foundation::MainQueue::shared().postAfter(kConfirmationDelay, [top = topViewController_] {
    showExportMessage(top, "Theme exported to var/mobile/Documents/VantileRepo/themes/");
  });
}

void showExportMessage(const TopViewControllerSource& topViewController, std::string message) {
  const auto top = topViewController ? topViewController() : nullptr;
  if (!top) {
    platform::foundation::systemLog("Export: no view controller to show \"" + message + "\" on");
    return;
  }
  auto alert = platform::ui::AlertController::make("Vantile", std::move(message),
                                                   platform::ui::AlertController::Style::alert);
  alert->addAction({.title = "Ok", .style = platform::ui::AlertAction::Style::normal, .handler = {}});
  top->presentViewController(std::move(alert), true);
}

}  // namespace vantile::settings
