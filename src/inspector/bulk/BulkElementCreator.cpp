#include "inspector/bulk/BulkElementCreator.h"

#include <algorithm>
#include <limits>

#include "engine/ElementTemplateFactory.h"
#include "inspector/bulk/BulkElementTreeCell.h"
#include "inspector/bulk/ElementTypeCaptions.h"
#include "inspector/naming/ElementNameRefusal.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace ui = platform::ui;

namespace {

constexpr const char* kTreeCellIdentifier = "TreeCell";

int clampedCount(std::size_t count) {
  return count > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(count);
}

template <class List>
const auto* entryAt(const List& list, std::int64_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size() ? &list[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

}  // namespace

std::shared_ptr<BulkElementCreator> BulkElementCreator::initWithElementTypes(
    const std::vector<std::string>& typesAndTemplates, std::vector<std::string> existingElements) {
  std::vector<std::string> basic = ElementTemplateFactory::sharedInstance().basicElementTypes();
  std::vector<std::string> templates;
  std::ranges::copy_if(typesAndTemplates, std::back_inserter(templates),
                       [&basic](const std::string& name) { return std::ranges::find(basic, name) == basic.end(); });
  return initWithElementTypes(std::move(basic), std::move(templates), std::move(existingElements));
}

std::shared_ptr<BulkElementCreator> BulkElementCreator::initWithElementTypes(std::vector<std::string> elementTypes,
                                                                             std::vector<std::string> templateTypes,
                                                                             std::vector<std::string> existingElements) {
  return std::make_shared<BulkElementCreator>(ConstructionKey{}, std::move(elementTypes), std::move(templateTypes),
                                              std::move(existingElements));
}

BulkElementCreator::BulkElementCreator(ConstructionKey key, std::vector<std::string> types,
                                       std::vector<std::string> templates, std::vector<std::string> existingElements)
    : ViewController(key),
      elementTypes(std::move(types)),
      templateTypes(std::move(templates)),
      hierarchy(std::move(existingElements)) {}

std::shared_ptr<BulkElementCreator> BulkElementCreator::self() {
  return std::static_pointer_cast<BulkElementCreator>(shared_from_this());
}

void BulkElementCreator::addElementWithType(const std::string& type, const BulkElementTree::Item& parent) {
  hierarchy.addElementWithType(type, parent);
  updateFlattenedHierarchy();
}

void BulkElementCreator::addTemplateWithType(const std::string& templateName, const BulkElementTree::Item& parent) {
  hierarchy.addTemplateWithType(templateName, parent);
  updateFlattenedHierarchy();
}

std::string BulkElementCreator::getAbbreviatedElementType(std::string_view type) { return elementTypeCaption(type); }

void BulkElementCreator::addChildButtonTapped(const BulkButton& button) {
  const BulkElementTree::Row* row = entryAt(hierarchy.flattenedHierarchy(), button.tag());
  if (!row) return;
  hierarchy.currentParentForNewElement = row->item;
  openElementTypeMenu();
}

void BulkElementCreator::deleteButtonTapped(const BulkButton& button) {
  const BulkElementTree::Row* row = entryAt(hierarchy.flattenedHierarchy(), button.tag());
  if (!row) return;
  hierarchy.removeItem(BulkElementTree::Item(row->item));
  updateFlattenedHierarchy();
}

void BulkElementCreator::elementTypeSelected(const BulkButton& button) {
  const std::string* type = entryAt(elementTypes, button.tag());
  if (!type) return;
  hierarchy.addFromTypeMenu(*type);
  updateFlattenedHierarchy();
}

void BulkElementCreator::addButtonTapped() {
  const platform::Value list = hierarchy.result();
  const auto listener = delegate();
  if (listener && listener->implements(BulkElementCreatorDelegate::Operation::bulkElementCreatorDidFinish)) {
    listener->bulkElementCreatorDidFinish(list);
  }
  dismissViewController(true);
}

void BulkElementCreator::cellDidRequestNameEdit(BulkElementTreeCell& cell, const std::string& newName) {
  if (!tableView) return;
  std::optional<int> shownRow;
  for (const ui::IndexPath& place : tableView->indexPathsForVisibleRows()) {
    if (tableView->cellForRowAtIndexPath(place).get() == &cell) shownRow = place.row;
  }
  const BulkElementTree::Row* row = shownRow ? entryAt(hierarchy.flattenedHierarchy(), *shownRow) : nullptr;
  if (!row) return;
  const BulkElementTree::Item item = row->item;
  switch (hierarchy.rename(item, newName)) {
    case BulkElementTree::RenameOutcome::duplicateRefused:
      presentRefusal(kDuplicateNameTitle, kDuplicateNameMessage);
      break;
    case BulkElementTree::RenameOutcome::invalidRefused:
      presentRefusal(kInvalidElementNameTitle, kInvalidElementNameMessage);
      break;
    case BulkElementTree::RenameOutcome::renamed:
    case BulkElementTree::RenameOutcome::unchanged:
    case BulkElementTree::RenameOutcome::emptyRefused:
      break;
  }
  cell.elementNameLabel->setText(item->elementName);
}

void BulkElementCreator::presentRefusal(const std::string& title, const std::string& message) {
  auto alert = ui::AlertController::make(title, message, ui::AlertController::Style::alert);
  alert->addAction({"OK", ui::AlertAction::Style::normal, {}});
  presentViewController(std::move(alert), true);
}

void BulkElementCreator::updateFlattenedHierarchy() {
  // The tree has flattened itself; the views follow once they are made.
  if (!tableView) return;
  const bool hasRows = !hierarchy.flattenedHierarchy().empty();
  emptyStateLabel->setHidden(hasRows);
  tableView->setHidden(!hasRows);
  addButton->setEnabled(hasRows);
  addButton->setBackgroundColor(hasRows ? editor_palette::kRaised
                                        : platform::graphics::Color{1, 1, 1, 0.3});
  addButton->setTextColor(hasRows ? platform::graphics::Color{1, 1, 1, 1} : platform::graphics::Color{1, 1, 1, 0.6});
  tableView->reloadData();
}

int BulkElementCreator::numberOfRowsInSection(ui::TableView&, int section) {
  return section == 0 ? clampedCount(hierarchy.flattenedHierarchy().size()) : 0;
}

int BulkElementCreator::numberOfItemsInSection(ui::CollectionView& palette, int section) {
  return section == 0 ? clampedCount(namesOf(palette).size()) : 0;
}

std::shared_ptr<ui::TableViewCell> BulkElementCreator::cellForRowAtIndexPath(ui::TableView& table,
                                                                             ui::IndexPath indexPath) {
  const BulkElementTree::Row* row = entryAt(hierarchy.flattenedHierarchy(), indexPath.row);
  const auto cell = std::dynamic_pointer_cast<BulkElementTreeCell>(table.dequeueReusableCell(kTreeCellIdentifier, indexPath));
  if (!row || !cell) return cell;
  const BulkElementTree::Item& item = row->item;
  cell->configureWithElementType(item->elementType, item->elementName, row->indentLevel,
                                 canElementTypeHaveChildren(item->elementType));
  cell->setDelegate(self());
  cell->addChildButton->setTag(indexPath.row);
  cell->deleteButton->setTag(indexPath.row);
  const std::weak_ptr<BulkElementCreator> weak = self();
  cell->addChildButton->setAction([weak](BulkButton& button) {
    if (const auto sheet = weak.lock()) sheet->addChildButtonTapped(button);
  });
  cell->deleteButton->setAction([weak](BulkButton& button) {
    if (const auto sheet = weak.lock()) sheet->deleteButtonTapped(button);
  });
  return cell;
}

void BulkElementCreator::didSelectItemAtIndexPath(ui::CollectionView& palette, ui::IndexPath indexPath) {
  const std::string* name = entryAt(namesOf(palette), indexPath.item());
  if (!name) return;
  // Templates and element types are added alike; only the palette they come from differs.
  hierarchy.addFromPalette(*name);
  updateFlattenedHierarchy();
}

const std::vector<std::string>& BulkElementCreator::namesOf(const ui::CollectionView& palette) const {
  return palette.tag() == kTemplatesPaletteTag ? templateTypes : elementTypes;
}

}  // namespace vantile
