// The template grid of the side panel: adding one element at a time, deleting saved templates.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "editor/CreatorView.h"
#include "editor/adding/ElementTypeGrid.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "editor/files/EditorAlerts.h"
#include "editor/files/TemplateFileNames.h"
#include "engine/ElementTemplateFactory.h"
#include "engine/helpers/UserFileNames.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"

namespace vantile {

using platform::ui::AlertAction;

namespace {

constexpr double kGridTop = 40;
constexpr double kGridHeightLess = 30;
constexpr double kDeletePressSeconds = 0.3;

}  // namespace

void CreatorView::showSingleElementCreator() {
  if (!menu) {
    platform::foundation::systemLog("The template grid needs the side panel, which is not made yet.");
    return;
  }
  if (collectionView) collectionView->removeFromSuperview();
  const platform::graphics::Size panel = menu->bounds().size;
  auto grid = ElementTypeGrid::makeGridView({0, kGridTop, panel.width, panel.height - kGridHeightLess});
  grid->setBackgroundColor(editor_palette::kBar);
  elementTypeGrid_ = std::make_shared<ElementTypeGrid>(
      [canvas = weakCanvas()] {
        const auto strong = canvas.lock();
        return strong ? strong->elementTypes : std::vector<std::string>{};
      },
      [canvas = weakCanvas()](const std::string& name) {
        if (const auto strong = canvas.lock()) strong->alertToGetNameString(name);
      });
  grid->setDataSource(elementTypeGrid_);
  grid->setDelegate(elementTypeGrid_);
  auto press = platform::ui::LongPressGestureRecognizer::make([canvas = weakCanvas()](auto& recognizer) {
    if (const auto strong = canvas.lock()) strong->deleteElement(recognizer);
  });
  press->setMinimumPressDuration(kDeletePressSeconds);
  grid->addGestureRecognizer(press);
  menu->addSubview(grid);
  collectionView = grid;
}

void CreatorView::deleteElement(platform::ui::GestureRecognizer& recognizer) {
  if (recognizer.state() != platform::ui::GestureRecognizer::State::began || !elementTypeGrid_) return;
  const auto grid = std::dynamic_pointer_cast<platform::ui::CollectionView>(recognizer.view());
  if (!grid) return;
  const std::optional<platform::graphics::Point> point = recognizer.locationInView(grid.get());
  const std::optional<platform::ui::IndexPath> place = point ? grid->indexPathForItemAtPoint(*point) : std::nullopt;
  const std::optional<std::string> name = place ? elementTypeGrid_->nameAt(*place) : std::nullopt;
  if (!name) return;
  if (isProtectedElementType(*name)) {
    presentEditorAlert(topViewController(), makeEditorAlert("You cannot delete this element",
                                                            {{"Ok", AlertAction::Style::normal, {}}}));
    return;
  }
  presentEditorAlert(
      topViewController(),
      makeEditorAlert("Are you sure you want to delete this template from /var/mobile/Library/VantileAssets/templates?",
                      {{"No", AlertAction::Style::cancel, {}},
                       {"Yes", AlertAction::Style::normal, [canvas = weakCanvas(), name = *name] {
                          if (const auto strong = canvas.lock()) strong->deleteTemplate(name);
                        }}}));
}

bool CreatorView::isProtectedElementType(const std::string& name) const {
  return std::ranges::find(defaultElements, name) != defaultElements.end() ||
         ElementTemplateFactory::sharedInstance().templateForType(name).has_value() ||
         settingsBundleResourcePath(name, "json").has_value();
}

void CreatorView::deleteTemplate(const std::string& name) {
  std::erase(elementTypes, name);
  if (isAcceptableUserFileName(name)) {
    std::error_code error;
    const auto file = platform::foundation::devicePath(std::string(kTemplatesFolder) + name + ".json");
    if (!std::filesystem::remove(file, error)) {
      platform::foundation::systemLog("The template file of " + name + " was not removed: " +
                                      (error ? error.message() : "there is none."));
    }
  }
  if (const auto grid = std::dynamic_pointer_cast<platform::ui::CollectionView>(collectionView)) grid->reloadData();
}

}  // namespace vantile
