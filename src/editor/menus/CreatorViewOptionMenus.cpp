// Opening the option menus over the main view, and the segment menus of fixed vocabularies.
#include "editor/CreatorView.h"
#include "editor/files/EditorAlerts.h"
#include "editor/menus/InspectorKeyOrder.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

std::shared_ptr<CreatorVerticalMenu> CreatorView::openOptionMenu(const std::string& title, platform::Value options,
                                                                 std::function<void(const std::string&)> rowPicked,
                                                                 std::function<void(int)> segmentPicked,
                                                                 CreatorVerticalMenu::DemoValues previewValues) {
  if (!mainView) {
    platform::foundation::systemLog("Could not open the menu " + title + ": the editor has no main view");
    return nullptr;
  }
  auto menu = CreatorVerticalMenu::initWithMenuName(title, std::move(options), mainView->bounds(), std::move(rowPicked),
                                                    std::move(segmentPicked), std::move(previewValues));
  mainView->addSubview(menu);
  return menu;
}

void CreatorView::closeOptionMenu(std::shared_ptr<CreatorVerticalMenu>& holder) {
  if (holder) holder->closeMenu();
  holder.reset();
}

std::shared_ptr<CreatorVerticalMenu> CreatorView::openSegmentMenu(const SegmentMenus::Menu& menu, int startSegment,
                                                                  std::int32_t CreatorView::*remembered) {
  auto picked = [canvas = weakCanvas(), &menu, remembered, element = selectedElement](int index) {
    const auto self = canvas.lock();
    if (!self || index < 0 || static_cast<std::size_t>(index) >= menu.words.size()) return;
    if (remembered) self.get()->*remembered = index;
    self->setElementStyle(menu.style, element, menu.words[static_cast<std::size_t>(index)]);
    if (menu.redrawsCanvas) self->reloadTheme();
  };
  return openOptionMenu(menu.title, SegmentMenus::options(menu, startSegment), {}, std::move(picked));
}

int CreatorView::selectedElementSegment(const SegmentMenus::Menu& menu) const {
  return SegmentMenus::segmentOfValue(menu, dictHelpers.findElementInDictionary(selectedElement).value_or(nullptr));
}

void CreatorView::loadTextAlignmentMenu() {
  const auto& menu = SegmentMenus::textAlignment();
  textAlignmentPicker = openSegmentMenu(menu, selectedElementSegment(menu), &CreatorView::textAlginmentSelectorValue);
}

void CreatorView::loadInfiniteScrollMenu() {
  const auto& menu = SegmentMenus::infiniteScroll();
  textAlignmentPicker = openSegmentMenu(menu, selectedElementSegment(menu), &CreatorView::infiniteScrollSelectorValue);
}

void CreatorView::loadAutoLayoutMenu() {
  const auto& menu = SegmentMenus::autoLayout();
  openSegmentMenu(menu, selectedElementSegment(menu), nullptr);
}

void CreatorView::loadBlurColorMenu() {
  const auto& menu = SegmentMenus::blurColor();
  openSegmentMenu(menu, selectedElementSegment(menu), nullptr);
}

// These two open on the last choice of the shared index, whatever the element holds.
void CreatorView::loadContentModeMenu() {
  textAlignmentPicker = openSegmentMenu(SegmentMenus::contentMode(), textAlginmentSelectorValue,
                                        &CreatorView::textAlginmentSelectorValue);
}

void CreatorView::loadTextStyleMenu() {
  openSegmentMenu(SegmentMenus::textStyle(), textAlginmentSelectorValue, &CreatorView::textAlginmentSelectorValue);
}

std::vector<std::string> CreatorView::elementOptionsCustomOrder(const platform::Value& element) {
  return InspectorKeyOrder::customOrder(element);
}

void CreatorView::showPickerAlert(const std::string& message, const std::string& button) const {
  presentEditorAlert(topViewController(),
                     makeEditorAlert(message, {{button, platform::ui::AlertAction::Style::normal, {}}}));
}

}  // namespace vantile
