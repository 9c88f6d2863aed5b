#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/preferences/PaneRows.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::preferences {

// A settings pane: a table of the pane's rows, group rows as headers above
// their section. A tap on a link row opens the pane class it names on the navigation stack,
// titled by the row. Subclasses load their rows in specifiers(), usually from a row file
// of the main bundle's resources.
//
// Value rows (switch, slider, list, edit text) read and write the key "key" of the preference
// domain "defaults", showing "default" while the key is absent; after a write the row's
// "PostNotification" is posted as a Darwin notification. A row naming a "cellClass" is made
// by that class (CellClassRegistry). List rows take their titles and values from the
// operations their "titlesDataSource" and "valuesDataSource" name, which the pane fills with
// setListSource; button rows call the operation their "action" names (setAction).
class ListController : public ui::ViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
 public:
  static constexpr double groupRowHeight = 38;
  using ListSource = std::function<std::vector<std::string>()>;
  using RowAction = std::function<void()>;

  explicit ListController(ConstructionKey key);

  // The pane's rows; none unless a subclass loads them.
  virtual const std::vector<PaneRow>& specifiers();

  // The rows of the row file `name`.plist of the main bundle's resources (the file's title,
  // when it has one, becomes the pane's); none, with a log line, when it cannot be read.
  std::vector<PaneRow> loadSpecifiersFromPlistName(std::string_view name);

  // Drops the kept rows, so the next specifiers() loads them again, and shows them anew.
  virtual void reloadSpecifiers();

  // The first row whose identifier() is `id`; nothing when there is none.
  const PaneRow* specifierForID(std::string_view id);

  // The stored value of the row's key, else its "default"; nothing for a row without key or
  // domain, or with neither.
  std::optional<Value> readPreferenceValue(const PaneRow& row) const;
  // Stores the value under the row's key (the domain's file is made when missing), then posts
  // the row's notification. A row without key or domain stores nothing (logged).
  virtual void setPreferenceValue(const Value& value, const PaneRow& row);

  // Before the pane's view shows in a window, every time it does.
  virtual void viewWillAppear(bool animated);
  // Return pressed in an edit-text row: by default editing ends, nothing more.
  virtual void _returnKeyPressed();

  void setListSource(std::string name, ListSource source);
  // The named operation's answer, read anew each call; empty for a name the pane lacks (logged).
  std::vector<std::string> listTitles(const PaneRow& row) const;
  std::vector<std::string> listValues(const PaneRow& row) const;
  void setAction(std::string name, RowAction action);

  // The on-tint of switches and the tint of sliders in this pane's rows, now and later.
  void setControlTint(graphics::Color color);
  const std::optional<graphics::Color>& controlTint() const { return controlTint_; }

  // The cell last made for the row at `index`, while it lives.
  std::shared_ptr<ui::TableViewCell> cellForSpecifierAtIndex(std::size_t index) const;
  // An empty batch of table updates: the table asks for every row's height again.
  void performEmptyBatchUpdate();

  // As a tap on the first row with that label; false when the pane shows none.
  bool selectRowWithLabel(std::string_view label);

  // Nothing before the view is loaded.
  const std::shared_ptr<ui::TableView>& table() const { return table_; }

  // TableViewDataSource and TableViewDelegate.
  bool implements(ui::TableViewDataSource::Operation operation) const override;
  bool implements(ui::TableViewDelegate::Operation operation) const override;
  int numberOfRowsInSection(ui::TableView& tableView, int section) override;
  std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) override;
  double heightForRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) override;
  void didSelectRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) override;

 protected:
  std::shared_ptr<ui::View> loadView() override;
  // A link row's pane, pushed onto this pane's navigation stack.
  virtual void openLink(const PaneRow& paneRow);

  // Kept by subclasses' specifiers() once loaded.
  std::optional<std::vector<PaneRow>> specifiers_;

 private:
  std::shared_ptr<ui::TableViewCell> makeRowCell(const PaneRow& row);
  std::shared_ptr<ui::TableViewCell> makeSwitchCell(const PaneRow& row);
  std::shared_ptr<ui::TableViewCell> makeSliderCell(const PaneRow& row);
  std::shared_ptr<ui::TableViewCell> makeListCell(const PaneRow& row);
  std::shared_ptr<ui::TableViewCell> makeEditTextCell(const PaneRow& row);
  void openList(const PaneRow& row);
  void tintCell(ui::TableViewCell& cell) const;
  void tintControls(ui::View& view) const;
  std::vector<std::string> listFrom(const PaneRow& row, const char* sourceKey) const;

  std::shared_ptr<ui::TableView> table_;
  std::map<std::string, ListSource, std::less<>> listSources_;
  std::map<std::string, RowAction, std::less<>> actions_;
  std::optional<graphics::Color> controlTint_;
  std::map<std::size_t, std::weak_ptr<ui::TableViewCell>> cells_;
};

}  // namespace platform::preferences
