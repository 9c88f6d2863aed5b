#include "platform/preferences/ListController.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"

namespace platform::preferences {

namespace {

constexpr graphics::Color kPaneBackground{0.95, 0.95, 0.97, 1};
constexpr graphics::Color kRowBackground{1, 1, 1, 1};
constexpr graphics::Color kGroupText{0.43, 0.43, 0.45, 1};
constexpr graphics::Color kRowText{0, 0, 0, 1};

const std::vector<PaneRow>& noRows() {
  static const std::vector<PaneRow> none;
  return none;
}

}  // namespace

ListController::ListController(ConstructionKey key) : ViewController(key) {}

const std::vector<PaneRow>& ListController::specifiers() { return specifiers_ ? *specifiers_ : noRows(); }

std::vector<PaneRow> ListController::loadSpecifiersFromPlistName(std::string_view name) {
  const auto path = foundation::Bundle::main().pathForResource(name, "plist");
  if (!path) {
    foundation::systemLog("the row file \"" + std::string(name) + ".plist\" is not among the bundle's resources");
    return {};
  }
  auto file = readPaneRowFile(foundation::devicePath(*path));
  if (!file) {
    return {};
  }
  if (file->title) {
    navigationItem().setTitle(file->title);
  }
  return std::move(file->items);
}

bool ListController::selectRowWithLabel(std::string_view label) {
  view();
  const auto& rows = specifiers();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row].label == label) {
      const ui::IndexPath place{0, static_cast<int>(row)};
      table_->selectRowAtIndexPath(place);
      didSelectRowAtIndexPath(*table_, place);
      return true;
    }
  }
  return false;
}

bool ListController::implements(ui::TableViewDataSource::Operation) const { return false; }

bool ListController::implements(ui::TableViewDelegate::Operation operation) const {
  return operation == ui::TableViewDelegate::Operation::heightForRowAtIndexPath ||
         operation == ui::TableViewDelegate::Operation::didSelectRowAtIndexPath;
}

int ListController::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(specifiers().size()); }

std::shared_ptr<ui::TableViewCell> ListController::cellForRowAtIndexPath(ui::TableView&, ui::IndexPath indexPath) {
  const auto& rows = specifiers();
  const auto row = static_cast<std::size_t>(indexPath.row);
  if (row >= rows.size()) {
    return nullptr;
  }
  const PaneRow& paneRow = rows[row];
  auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::standard, "");
  const bool group = paneRow.cell == CellKind::group;
  cell->textLabel()->setText(paneRow.label);
  cell->textLabel()->setFont(graphics::systemFont(group ? 13 : 17));
  cell->textLabel()->setTextColor(group ? kGroupText : kRowText);
  cell->setBackgroundColor(group ? kPaneBackground : kRowBackground);
  cell->setSelectionStyle(paneRow.cell == CellKind::link ? ui::TableViewCell::SelectionStyle::standard
                                                           : ui::TableViewCell::SelectionStyle::none);
  if (paneRow.cell == CellKind::link) {
    cell->setAccessoryType(ui::TableViewCell::AccessoryType::disclosureIndicator);
  }
  return cell;
}

double ListController::heightForRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) {
  const auto& rows = specifiers();
  const auto row = static_cast<std::size_t>(indexPath.row);
  return row < rows.size() && rows[row].cell == CellKind::group ? groupRowHeight : tableView.rowHeight();
}

void ListController::didSelectRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) {
  tableView.deselectRowAtIndexPath(indexPath, true);
  const auto& rows = specifiers();
  const auto row = static_cast<std::size_t>(indexPath.row);
  if (row < rows.size() && rows[row].cell == CellKind::link) {
    openLink(rows[row]);
  }
}

void ListController::openLink(const PaneRow& paneRow) {
  if (!paneRow.detail) {
    foundation::systemLog("the settings row \"" + paneRow.label + "\" names no pane class");
    return;
  }
  const auto navigation = navigationController();
  auto pane = PaneRegistry::shared().makePane(*paneRow.detail);
  if (!pane || !navigation) {
    return;
  }
  pane->navigationItem().setTitle(paneRow.label);
  navigation->pushViewController(std::move(pane), true);
}

std::shared_ptr<ui::View> ListController::loadView() {
  auto root = ui::View::make(ui::Screen::mainScreen().bounds());
  root->setBackgroundColor(kPaneBackground);
  table_ = ui::TableView::make(root->bounds());
  table_->setAutoresizingMask(ui::Autoresizing::flexibleWidth | ui::Autoresizing::flexibleHeight);
  table_->setBackgroundColor(kPaneBackground);
  const auto self = std::static_pointer_cast<ListController>(shared_from_this());
  table_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
  table_->setDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
  root->addSubview(table_);
  return root;
}

}  // namespace platform::preferences
