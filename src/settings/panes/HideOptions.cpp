#include "settings/panes/HideOptions.h"

#include "platform/ui/lists/TableViewCell.h"
#include "settings/panes/DynamicRule.h"

namespace vantile::settings {

namespace {

std::optional<DynamicRule> ruleOf(const platform::preferences::PaneRow& row) {
  const auto text = row.text("dynamicRule");
  return text ? DynamicRule::parse(*text) : std::nullopt;
}

}  // namespace

DynamicRowsPane::DynamicRowsPane(ConstructionKey key, std::string rowFileName)
    : VantilePane(key, std::move(rowFileName)) {}

void DynamicRowsPane::didLoadSpecifiers() { collectDynamicSpecifiersFromArray(*specifiers_); }

void DynamicRowsPane::reloadSpecifiers() {
  VantilePane::reloadSpecifiers();
  collectDynamicSpecifiersFromArray(specifiers());
}

void DynamicRowsPane::collectDynamicSpecifiersFromArray(const std::vector<PaneRow>& rows) {
  dynamicSpecifiers.clear();
  std::vector<PaneRow> dynamicRows;
  std::vector<std::string> controllingIDs;
  for (const PaneRow& row : rows) {
    if (const auto rule = ruleOf(row)) {
      dynamicRows.push_back(row);
      controllingIDs.push_back(rule->controllingID);
    }
  }
  for (const std::string& id : controllingIDs) dynamicSpecifiers[id] = dynamicRows;
  hasDynamicSpecifiers = !dynamicSpecifiers.empty();
}

std::optional<platform::preferences::PaneRow> DynamicRowsPane::getSpecifierFromArray(std::string_view id) const {
  const auto found = dynamicSpecifiers.find(id);
  if (found == dynamicSpecifiers.end()) return std::nullopt;
  for (const PaneRow& row : found->second) {
    const auto rule = ruleOf(row);
    if (rule && rule->controllingID == id) return row;
  }
  return std::nullopt;
}

bool DynamicRowsPane::shouldHideSpecifier(const PaneRow* row) {
  if (row == nullptr) return false;
  const auto rule = ruleOf(*row);
  if (!rule) return false;
  const PaneRow* controlling = specifierForID(rule->controllingID);
  if (controlling == nullptr) return false;
  return ruleHolds(*rule, readPreferenceValue(*controlling));
}

bool DynamicRowsPane::isDynamic(const PaneRow& row) const {
  for (const auto& [id, rows] : dynamicSpecifiers) {
    for (const PaneRow& dynamicRow : rows) {
      if (dynamicRow.identifier() == row.identifier() && dynamicRow.label == row.label) return true;
    }
  }
  return false;
}

double DynamicRowsPane::heightForRowAtIndexPath(platform::ui::TableView& tableView,
                                                platform::ui::IndexPath indexPath) {
  const auto& rows = specifiers();
  const auto index = static_cast<std::size_t>(indexPath.row);
  if (!hasDynamicSpecifiers || index >= rows.size() || !isDynamic(rows[index])) {
    return VantilePane::heightForRowAtIndexPath(tableView, indexPath);
  }
  const bool hide = shouldHideSpecifier(&rows[index]);
  if (const auto cell = cellForSpecifierAtIndex(index)) cell->setClipsToBounds(hide);
  return hide ? 0 : VantilePane::heightForRowAtIndexPath(tableView, indexPath);
}

void DynamicRowsPane::setPreferenceValue(const platform::Value& value, const PaneRow& row) {
  VantilePane::setPreferenceValue(value, row);
  if (hasDynamicSpecifiers && getSpecifierFromArray(row.identifier())) performEmptyBatchUpdate();
}

}  // namespace vantile::settings
