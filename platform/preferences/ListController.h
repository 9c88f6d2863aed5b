#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/preferences/PaneRows.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::preferences {

// A settings pane: a table of the pane's rows, group rows as headers above
// their section. A tap on a link row opens the pane class it names on the navigation stack,
// titled by the row. Subclasses load their rows in specifiers(), usually from a row file
// of the main bundle's resources.
class ListController : public ui::ViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
 public:
  static constexpr double groupRowHeight = 38;

  explicit ListController(ConstructionKey key);

  // The pane's rows; none unless a subclass loads them.
  virtual const std::vector<PaneRow>& specifiers();

  // The rows of the row file `name`.plist of the main bundle's resources (the file's title,
  // when it has one, becomes the pane's); none, with a log line, when it cannot be read.
  std::vector<PaneRow> loadSpecifiersFromPlistName(std::string_view name);

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
  std::shared_ptr<ui::TableView> table_;
};

}  // namespace platform::preferences
