#include "inspector/pickers/PickerListController.h"

#include <algorithm>

#include "platform/ui/lists/TableView.h"
#include "platform/ui/lists/TableViewCell.h"
#include "platform/ui/navigation/SearchController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace ui = platform::ui;

namespace {

constexpr const char* kReuseIdentifier = "cell";
constexpr double kLabelLeft = 78;
// The system font's bold face.
const platform::graphics::Font kLabelFont{"Inter-Bold", 18};

std::shared_ptr<ui::TableViewCell> makeCell(const std::string& reuseIdentifier) {
  auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::standard, reuseIdentifier);
  auto imageView = ui::ImageView::make({15, 5, 48, 48});
  imageView->setContentMode(ui::ContentMode::scaleAspectFit);
  imageView->setTag(PickerListController::imageViewTag);
  auto label = ui::Label::make({kLabelLeft, 20, 0, 20});
  label->setFont(kLabelFont);
  label->setTag(PickerListController::labelTag);
  cell->contentView()->addSubview(imageView);
  cell->contentView()->addSubview(label);
  return cell;
}

}  // namespace

PickerListController::PickerListController(ConstructionKey key, NameCase searchCase)
    : ViewController(key), searchCase_(searchCase) {}

std::shared_ptr<ui::View> PickerListController::loadView() {
  tableView = ui::TableView::make(ui::Screen::mainScreen().bounds());
  tableView->setRowHeight(rowHeight);
  tableView->registerCell(kReuseIdentifier, makeCell);
  const auto self = shared_from_this();
  tableView->setDataSource(std::shared_ptr<ui::TableViewDataSource>(self, this));
  tableView->setDelegate(std::shared_ptr<ui::TableViewDelegate>(self, this));

  searchController = ui::SearchController::make();
  searchController->searchBar()->setDelegate(std::shared_ptr<ui::SearchBarDelegate>(self, this));
  searchController->setHidesNavigationBarDuringPresentation(true);
  navigationItem().setSearchController(searchController);

  loadNames();
  return tableView;
}

bool PickerListController::implements(ui::TableViewDataSource::Operation) const { return false; }

bool PickerListController::implements(ui::TableViewDelegate::Operation operation) const {
  return operation == ui::TableViewDelegate::Operation::didSelectRowAtIndexPath;
}

bool PickerListController::implements(ui::SearchBarDelegate::Operation) const { return true; }

int PickerListController::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listData.size()); }

std::shared_ptr<ui::TableViewCell> PickerListController::cellForRowAtIndexPath(ui::TableView& table,
                                                                               ui::IndexPath indexPath) {
  auto cell = table.dequeueReusableCell(kReuseIdentifier, indexPath);
  if (!cell || indexPath.row < 0 || static_cast<std::size_t>(indexPath.row) >= listData.size()) return cell;
  const std::string& name = listData[static_cast<std::size_t>(indexPath.row)];
  if (const auto imageView = std::dynamic_pointer_cast<ui::ImageView>(cell->contentView()->viewWithTag(imageViewTag))) {
    showPicture(*imageView, name);
  }
  if (const auto label = std::dynamic_pointer_cast<ui::Label>(cell->contentView()->viewWithTag(labelTag))) {
    label->setFrame({kLabelLeft, 20, std::max(0.0, table.bounds().width() - kLabelLeft), 20});
    label->setText(name);
  }
  return cell;
}

void PickerListController::didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath indexPath) {
  table.deselectRowAtIndexPath(indexPath, true);
  if (indexPath.row < 0 || static_cast<std::size_t>(indexPath.row) >= listData.size()) return;
  const auto keepAlive = shared_from_this();
  choose(listData[static_cast<std::size_t>(indexPath.row)]);
  dismissViewController(true);
}

void PickerListController::searchBarTextDidBeginEditing(ui::SearchBar& searchBar) {
  searchBar.setShowsCancelButton(true, true);
}

void PickerListController::searchBarTextDidEndEditing(ui::SearchBar& searchBar) {
  searchBar.setShowsCancelButton(false, true);
}

void PickerListController::searchBarTextDidChange(ui::SearchBar&, const std::string& searchText) {
  if (searchText.empty()) {
    showAllNames();
    searchController->setActive(false);
    return;
  }
  listData = namesContaining(symbols, searchText, searchCase_);
  if (tableView) tableView->reloadData();
}

void PickerListController::searchBarCancelButtonClicked(ui::SearchBar&) { showAllNames(); }

void PickerListController::showAllNames() {
  listData = symbols;
  if (tableView) tableView->reloadData();
}

}  // namespace vantile
