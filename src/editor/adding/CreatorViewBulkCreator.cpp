// The bulk element creator opened from the element list's add row.
#include "editor/CreatorView.h"
#include "editor/adding/CanvasBulkCreatorDelegate.h"
#include "inspector/bulk/BulkElementCreator.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

void CanvasBulkCreatorDelegate::bulkElementCreatorDidFinish(const platform::Value& bulkElements) {
  canvas_.bulkElementCreatorDidFinish(bulkElements);
}

std::shared_ptr<BulkElementCreator> CreatorView::makeBulkElementCreator() {
  std::vector<std::string> themeNames;
  for (const auto& [name, path] : CreatorDictHelpers::elementObject(creatorPreset)) themeNames.push_back(name);
  auto sheet = BulkElementCreator::initWithElementTypes(elementTypes, std::move(themeNames));
  if (!bulkCreatorDelegate_) bulkCreatorDelegate_ = std::make_shared<CanvasBulkCreatorDelegate>(*this);
  sheet->setDelegate(bulkCreatorDelegate_);
  sheet->setModalPresentationStyle(platform::ui::ModalPresentationStyle::formSheet);
  return sheet;
}

void CreatorView::addNewElement() {
  const std::shared_ptr<platform::ui::ViewController> top = topViewController();
  if (!top) {
    platform::foundation::systemLog("The bulk element creator needs a window to show in; there is none.");
    return;
  }
  top->presentViewController(makeBulkElementCreator(), true);
}

}  // namespace vantile
