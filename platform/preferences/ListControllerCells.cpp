#include <algorithm>

#include "platform/foundation/values/Conversions.h"
#include "platform/preferences/CellClassRegistry.h"
#include "platform/preferences/EditTextCell.h"
#include "platform/preferences/ListController.h"
#include "platform/preferences/ListItemsController.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/Switch.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/text/Label.h"

namespace platform::preferences {

namespace {

constexpr graphics::Color kPaneBackground{0.95, 0.95, 0.97, 1};
constexpr graphics::Color kRowBackground{1, 1, 1, 1};
constexpr graphics::Color kGroupText{0.43, 0.43, 0.45, 1};
constexpr graphics::Color kRowText{0, 0, 0, 1};
constexpr double kSliderWidth = 180;

double numberProperty(const PaneRow& row, const char* key, double fallback) {
  const auto found = row.properties.find(key);
  return found == row.properties.end() ? fallback : foundation::doubleValue(*found);
}

std::shared_ptr<ui::TableViewCell> plainCell(const PaneRow& row) {
  auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::standard, "");
  const bool group = row.cell == CellKind::group;
  cell->textLabel()->setText(row.label);
  cell->textLabel()->setFont(graphics::systemFont(group ? 13 : 17));
  cell->textLabel()->setTextColor(group ? kGroupText : kRowText);
  cell->setBackgroundColor(group ? kPaneBackground : kRowBackground);
  const bool tappable = row.cell == CellKind::link || row.cell == CellKind::list || row.cell == CellKind::button;
  cell->setSelectionStyle(tappable ? ui::TableViewCell::SelectionStyle::standard
                                   : ui::TableViewCell::SelectionStyle::none);
  if (row.cell == CellKind::link || row.cell == CellKind::list) {
    cell->setAccessoryType(ui::TableViewCell::AccessoryType::disclosureIndicator);
  }
  return cell;
}

}  // namespace

std::shared_ptr<ui::TableViewCell> ListController::makeRowCell(const PaneRow& row) {
  if (const auto cellClass = row.text("cellClass")) {
    if (auto cell = CellClassRegistry::shared().makeCell(*cellClass, row, *this)) return cell;
  }
  switch (row.cell) {
    case CellKind::switchRow:
      return makeSwitchCell(row);
    case CellKind::slider:
      return makeSliderCell(row);
    case CellKind::list:
      return makeListCell(row);
    case CellKind::editText:
      return makeEditTextCell(row);
    default:
      return plainCell(row);
  }
}

std::shared_ptr<ui::TableViewCell> ListController::makeSwitchCell(const PaneRow& row) {
  auto cell = plainCell(row);
  auto control = ui::Switch::make();
  const auto value = readPreferenceValue(row);
  control->setOn(value && foundation::boolValue(*value));
  const std::weak_ptr<ListController> pane = std::static_pointer_cast<ListController>(shared_from_this());
  control->addValueChangedAction([pane, row](ui::Control& sender) {
    const auto shared = pane.lock();
    if (shared) shared->setPreferenceValue(Value(static_cast<ui::Switch&>(sender).isOn()), row);
  });
  cell->setAccessoryView(std::move(control));
  return cell;
}

std::shared_ptr<ui::TableViewCell> ListController::makeSliderCell(const PaneRow& row) {
  auto cell = plainCell(row);
  auto slider = ui::Slider::make({0, 0, kSliderWidth, ui::Slider::thumbSide});
  slider->setMinimumValue(numberProperty(row, "min", 0));
  slider->setMaximumValue(numberProperty(row, "max", 1));
  if (const auto value = readPreferenceValue(row)) slider->setValue(foundation::doubleValue(*value));
  const std::weak_ptr<ListController> pane = std::static_pointer_cast<ListController>(shared_from_this());
  slider->addValueChangedAction([pane, row](ui::Control& sender) {
    const auto shared = pane.lock();
    if (shared) shared->setPreferenceValue(Value(static_cast<float>(static_cast<ui::Slider&>(sender).value())), row);
  });
  cell->setAccessoryView(std::move(slider));
  return cell;
}

std::shared_ptr<ui::TableViewCell> ListController::makeListCell(const PaneRow& row) {
  auto cell = ui::TableViewCell::make(ui::TableViewCell::Style::value1, "");
  cell->textLabel()->setText(row.label);
  cell->setAccessoryType(ui::TableViewCell::AccessoryType::disclosureIndicator);
  if (const auto value = readPreferenceValue(row)) {
    const auto titles = listTitles(row);
    const auto values = listValues(row);
    const auto found = std::find(values.begin(), values.end(), foundation::description(*value));
    const auto index = static_cast<std::size_t>(found - values.begin());
    if (index < titles.size()) cell->detailTextLabel()->setText(titles[index]);
  }
  return cell;
}

std::shared_ptr<ui::TableViewCell> ListController::makeEditTextCell(const PaneRow& row) {
  return EditTextCell::make(row, *this);
}

void ListController::openList(const PaneRow& row) {
  const auto navigation = navigationController();
  if (!navigation) return;
  navigation->pushViewController(ListItemsController::make(row, *this), true);
}

}  // namespace platform::preferences
