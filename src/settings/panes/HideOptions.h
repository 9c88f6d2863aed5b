#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/panes/VantilePane.h"

namespace vantile::settings {

// A pane whose rows may carry a "dynamicRule": a row whose rule holds is folded to height 0
// (its cell clipped), and changing a controlling row makes the table ask the heights again.
class DynamicRowsPane : public VantilePane {
 public:
  using PaneRow = platform::preferences::PaneRow;

  DynamicRowsPane(ConstructionKey key, std::string rowFileName);

  void reloadSpecifiers() override;
  void setPreferenceValue(const platform::Value& value, const PaneRow& row) override;
  double heightForRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath indexPath) override;

  void collectDynamicSpecifiersFromArray(const std::vector<PaneRow>& rows);
  // The first dynamic row ruled by the row with that ID; nothing when there is none.
  std::optional<PaneRow> getSpecifierFromArray(std::string_view id) const;
  bool shouldHideSpecifier(const PaneRow* row);

  // Under each controlling ID: every row with a valid rule, in the pane's order.
  std::map<std::string, std::vector<PaneRow>, std::less<>> dynamicSpecifiers;
  bool hasDynamicSpecifiers = false;

 protected:
  void didLoadSpecifiers() override;

 private:
  bool isDynamic(const PaneRow& row) const;
};

class HideOptions : public DynamicRowsPane {
 public:
  static constexpr std::string_view className = "HideOptions";
  static std::shared_ptr<HideOptions> make() { return std::make_shared<HideOptions>(ConstructionKey{}); }
  explicit HideOptions(ConstructionKey key) : DynamicRowsPane(key, "HideOptions") {}
};

class HideSBOptions : public DynamicRowsPane {
 public:
  static constexpr std::string_view className = "HideSBOptions";
  static std::shared_ptr<HideSBOptions> make() { return std::make_shared<HideSBOptions>(ConstructionKey{}); }
  explicit HideSBOptions(ConstructionKey key) : DynamicRowsPane(key, "HideSBOptions") {}
};

}  // namespace vantile::settings
