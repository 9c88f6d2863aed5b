#include "platform/preferences/ListController.h"

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/preferences/PaneRegistry.h"
#include "platform/preferences/RowBoundCell.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/input/FirstResponder.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Screen.h"

namespace platform::preferences {

namespace {

constexpr graphics::Color kPaneBackground{0.95, 0.95, 0.97, 1};

const std::vector<PaneRow>& noRows() {
  static const std::vector<PaneRow> none;
  return none;
}

// Tells its pane before it shows in a window, as a view controller hears it will appear.
class PaneRootView : public ui::View {
 public:
  PaneRootView(ConstructionKey key, const graphics::Rect& frame, std::weak_ptr<ListController> pane)
      : View(key, frame), pane_(std::move(pane)) {}
  static std::shared_ptr<PaneRootView> make(const graphics::Rect& frame, std::weak_ptr<ListController> pane) {
    return std::make_shared<PaneRootView>(ConstructionKey{}, frame, std::move(pane));
  }

 protected:
  void didMoveToWindow() override {
    View::didMoveToWindow();
    if (window() == nullptr) return;
    if (const auto pane = pane_.lock()) pane->viewWillAppear(false);
  }

 private:
  std::weak_ptr<ListController> pane_;
};

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

void ListController::reloadSpecifiers() {
  specifiers_.reset();
  cells_.clear();
  if (table_) table_->reloadData();
}

const PaneRow* ListController::specifierForID(std::string_view id) {
  for (const PaneRow& row : specifiers()) {
    if (row.identifier() == id) return &row;
  }
  return nullptr;
}

void ListController::viewWillAppear(bool) {}

void ListController::_returnKeyPressed() {
  if (isViewLoaded()) ui::FirstResponder::endEditing(*view());
}

void ListController::setListSource(std::string name, ListSource source) {
  listSources_[std::move(name)] = std::move(source);
}

std::vector<std::string> ListController::listTitles(const PaneRow& row) const {
  return listFrom(row, "titlesDataSource");
}

std::vector<std::string> ListController::listValues(const PaneRow& row) const {
  return listFrom(row, "valuesDataSource");
}

std::vector<std::string> ListController::listFrom(const PaneRow& row, const char* sourceKey) const {
  const auto name = row.text(sourceKey);
  if (!name) {
    foundation::systemLog("the settings row \"" + row.label + "\" names no " + sourceKey);
    return {};
  }
  const auto found = listSources_.find(*name);
  if (found == listSources_.end()) {
    foundation::systemLog("the settings pane has no list operation \"" + *name + "\"");
    return {};
  }
  return found->second();
}

void ListController::setAction(std::string name, RowAction action) { actions_[std::move(name)] = std::move(action); }

void ListController::setControlTint(graphics::Color color) {
  controlTint_ = color;
  for (const auto& [index, made] : cells_) {
    if (const auto cell = made.lock()) tintCell(*cell);
  }
}

void ListController::tintCell(ui::TableViewCell& cell) const {
  tintControls(cell);
  // The accessory joins the cell's views only when the cell lays out.
  if (const auto& accessory = cell.accessoryView()) tintControls(*accessory);
}

void ListController::tintControls(ui::View& view) const {
  if (!controlTint_) return;
  if (auto* control = dynamic_cast<ui::Switch*>(&view)) control->setOnTintColor(controlTint_);
  if (auto* slider = dynamic_cast<ui::Slider*>(&view)) slider->setTintColor(controlTint_);
  for (const auto& subview : view.subviews()) tintControls(*subview);
}

std::shared_ptr<ui::TableViewCell> ListController::cellForSpecifierAtIndex(std::size_t index) const {
  const auto found = cells_.find(index);
  return found == cells_.end() ? nullptr : found->second.lock();
}

void ListController::performEmptyBatchUpdate() {
  // The table has no batches of its own: a reload asks the heights again all the same.
  if (table_) table_->reloadData();
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
  auto cell = makeRowCell(rows[row]);
  if (cell) {
    tintCell(*cell);
    if (auto* ownClass = dynamic_cast<RowBoundCell*>(cell.get())) ownClass->refreshCellContentsWithSpecifier(rows[row]);
    cells_[row] = cell;
  }
  return cell;
}

double ListController::heightForRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) {
  const auto& rows = specifiers();
  const auto row = static_cast<std::size_t>(indexPath.row);
  if (row >= rows.size()) return tableView.rowHeight();
  if (const auto height = rows[row].properties.find("height");
      height != rows[row].properties.end() && height->is_number()) {
    return height->get<double>();
  }
  return rows[row].cell == CellKind::group ? groupRowHeight : tableView.rowHeight();
}

void ListController::didSelectRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) {
  tableView.deselectRowAtIndexPath(indexPath, true);
  const auto& rows = specifiers();
  const auto row = static_cast<std::size_t>(indexPath.row);
  if (row >= rows.size()) return;
  const PaneRow& paneRow = rows[row];
  if (paneRow.cell == CellKind::link) {
    openLink(paneRow);
  } else if (paneRow.cell == CellKind::list) {
    openList(paneRow);
  } else if (paneRow.cell == CellKind::button) {
    const auto name = paneRow.text("action");
    const auto found = name ? actions_.find(*name) : actions_.end();
    if (found == actions_.end()) {
      foundation::systemLog("the settings row \"" + paneRow.label + "\" names no action of its pane");
      return;
    }
    found->second();
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
  const auto self = std::static_pointer_cast<ListController>(shared_from_this());
  auto root = PaneRootView::make(ui::Screen::mainScreen().bounds(), self);
  root->setBackgroundColor(kPaneBackground);
  table_ = ui::TableView::make(root->bounds());
  table_->setAutoresizingMask(ui::Autoresizing::flexibleWidth | ui::Autoresizing::flexibleHeight);
  table_->setBackgroundColor(kPaneBackground);
  table_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
  table_->setDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
  root->addSubview(table_);
  return root;
}

}  // namespace platform::preferences
