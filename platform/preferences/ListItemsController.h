#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/preferences/PaneRows.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/views/ViewController.h"

namespace platform::preferences {

class ListController;

// The choices of a list row: its titles, a check on the one whose value is stored. A tap
// stores that value through the row's pane (which posts the row's notification) and moves the check.
class ListItemsController : public ui::ViewController,
                            public ui::TableViewDataSource,
                            public ui::TableViewDelegate {
 public:
  static std::shared_ptr<ListItemsController> make(PaneRow row, ListController& pane);

  ListItemsController(ConstructionKey key, PaneRow row, std::weak_ptr<ListController> pane,
                      std::vector<std::string> titles, std::vector<std::string> values);

  const std::vector<std::string>& titles() const { return titles_; }
  // The index of the checked choice; nothing when the stored value is none of them.
  std::optional<std::size_t> checkedIndex() const;
  // As a tap on the choice; false when there is no such one.
  bool chooseTitle(const std::string& title);

  bool implements(ui::TableViewDataSource::Operation operation) const override;
  bool implements(ui::TableViewDelegate::Operation operation) const override;
  int numberOfRowsInSection(ui::TableView& tableView, int section) override;
  std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) override;
  void didSelectRowAtIndexPath(ui::TableView& tableView, ui::IndexPath indexPath) override;

 protected:
  std::shared_ptr<ui::View> loadView() override;

 private:
  void choose(std::size_t index);

  PaneRow row_;
  std::weak_ptr<ListController> pane_;
  std::vector<std::string> titles_;
  std::vector<std::string> values_;
  std::shared_ptr<ui::TableView> table_;
};

}  // namespace platform::preferences
