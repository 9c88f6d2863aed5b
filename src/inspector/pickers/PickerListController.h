#pragma once

#include <memory>
#include <string>
#include <vector>

#include "inspector/pickers/PickerSearch.h"
#include "platform/ui/lists/TableViewDataSource.h"
#include "platform/ui/lists/TableViewDelegate.h"
#include "platform/ui/navigation/SearchBar.h"
#include "platform/ui/views/ViewController.h"

namespace platform::ui {
class ImageView;
class SearchController;
class TableView;
}  // namespace platform::ui

namespace vantile {

// A full-screen list of names with a picture each, searchable through the navigation item's
// search; choosing a row hands the name on and dismisses the screen. The symbol and image
// pickers differ in their names, pictures, search case and what a choice does.
class PickerListController : public platform::ui::ViewController,
                             public platform::ui::TableViewDataSource,
                             public platform::ui::TableViewDelegate,
                             public platform::ui::SearchBarDelegate {
 public:
  static constexpr double rowHeight = 65;
  static constexpr int imageViewTag = 1;
  static constexpr int labelTag = 2;

  explicit PickerListController(ConstructionKey key, NameCase searchCase);

  // Every name; the rows shown (all, or the search result).
  std::vector<std::string> symbols;
  std::vector<std::string> listData;
  std::shared_ptr<platform::ui::TableView> tableView;
  std::shared_ptr<platform::ui::SearchController> searchController;

  // Rows neither move nor delete here.
  bool implements(platform::ui::TableViewDataSource::Operation operation) const override;
  bool implements(platform::ui::TableViewDelegate::Operation operation) const override;
  bool implements(platform::ui::SearchBarDelegate::Operation operation) const override;

  int numberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
  std::shared_ptr<platform::ui::TableViewCell> cellForRowAtIndexPath(platform::ui::TableView& tableView,
                                                                     platform::ui::IndexPath indexPath) override;
  void didSelectRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath indexPath) override;

  void searchBarTextDidBeginEditing(platform::ui::SearchBar& searchBar) override;
  void searchBarTextDidEndEditing(platform::ui::SearchBar& searchBar) override;
  void searchBarTextDidChange(platform::ui::SearchBar& searchBar, const std::string& searchText) override;
  void searchBarCancelButtonClicked(platform::ui::SearchBar& searchBar) override;

 protected:
  // The table over the screen and the search; then loadNames.
  std::shared_ptr<platform::ui::View> loadView() override;
  virtual void loadNames() = 0;
  virtual void showPicture(platform::ui::ImageView& imageView, const std::string& name) const = 0;
  virtual void choose(const std::string& name) = 0;

  // Shows the full list again.
  void showAllNames();

 private:
  NameCase searchCase_;
};

}  // namespace vantile
