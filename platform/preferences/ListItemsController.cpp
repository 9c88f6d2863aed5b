#include "platform/preferences/ListItemsController.h"

#include <algorithm>

#include "platform/foundation/values/Conversions.h"
#include "platform/preferences/ListController.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"

namespace platform::preferences {

std::shared_ptr<ListItemsController> ListItemsController::make(PaneRow row, ListController& pane) {
  auto titles = pane.listTitles(row);
  auto values = pane.listValues(row);
  // A title without a value (or a value without a title) cannot be offered.
  const auto count = std::min(titles.size(), values.size());
  titles.resize(count);
  values.resize(count);
  return std::make_shared<ListItemsController>(ConstructionKey{}, std::move(row),
                                               std::static_pointer_cast<ListController>(pane.shared_from_this()),
                                               std::move(titles), std::move(values));
}

ListItemsController::ListItemsController(ConstructionKey key, PaneRow row, std::weak_ptr<ListController> pane,
                                         std::vector<std::string> titles, std::vector<std::string> values)
    : ViewController(key),
      row_(std::move(row)),
      pane_(std::move(pane)),
      titles_(std::move(titles)),
      values_(std::move(values)) {
  navigationItem().setTitle(row_.label);
}

std::optional<std::size_t> ListItemsController::checkedIndex() const {
  const auto pane = pane_.lock();
  const auto stored = pane ? pane->readPreferenceValue(row_) : std::nullopt;
  if (!stored) return std::nullopt;
  const std::string text = foundation::description(*stored);
  const auto found = std::find(values_.begin(), values_.end(), text);
  if (found == values_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - values_.begin());
}

bool ListItemsController::chooseTitle(const std::string& title) {
  const auto found = std::find(titles_.begin(), titles_.end(), title);
  if (found == titles_.end()) return false;
  choose(static_cast<std::size_t>(found - titles_.begin()));
  return true;
}

bool ListItemsController::implements(ui::TableViewDataSource::Operation) const { return false; }

bool ListItemsController::implements(ui::TableViewDelegate::Operation operation) const {
  return operation == ui::TableViewDelegate::Operation::didSelectRowAtIndexPath;
}

int ListItemsController::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(titles_.size()); }

std::shared_ptr<ui::TableViewCell> ListItemsController::cellForRowAtIndexPath(ui::TableView&, ui::IndexPath indexPath) {
  const auto index = static_cast<std::size_t>(indexPath.row);
  if (index >= titles_.size()) return nullptr;
  auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::standard, "");
  cell->textLabel()->setText(titles_[index]);
  if (checkedIndex() == index) cell->setAccessoryType(ui::TableViewCell::AccessoryType::checkmark);
  return cell;
}

void ListItemsController::didSelectRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) {
  tableView.deselectRowAtIndexPath(indexPath, true);
  const auto index = static_cast<std::size_t>(indexPath.row);
  if (index < values_.size()) choose(index);
}

void ListItemsController::choose(std::size_t index) {
  if (const auto pane = pane_.lock()) pane->setPreferenceValue(Value(values_[index]), row_);
  if (table_) table_->reloadData();
}

std::shared_ptr<ui::View> ListItemsController::loadView() {
  auto root = ui::View::make(ui::Screen::mainScreen().bounds());
  table_ = ui::TableView::make(root->bounds());
  table_->setAutoresizingMask(ui::Autoresizing::flexibleWidth | ui::Autoresizing::flexibleHeight);
  const auto self = std::static_pointer_cast<ListItemsController>(shared_from_this());
  table_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
  table_->setDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
  root->addSubview(table_);
  return root;
}

}  // namespace platform::preferences
