#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/lists/TableViewDataSource.h"
#include "platform/ui/lists/TableViewDelegate.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class GestureRecognizer;
class TableView;
}  // namespace platform::ui

namespace vantile {

// Puts a list of element names into a new order by dragging rows. The list shows reversed
// (its last entry on top, as the front-most layer); Save hands it back in its own orientation,
// Close hands back an empty list. The caller removes the panel in the completion.
class CreatorReorderView : public platform::ui::View,
                           public platform::ui::TableViewDataSource,
                           public platform::ui::TableViewDelegate {
 public:
  using Completion = std::function<void(const std::vector<std::string>& list)>;

  static constexpr int closeTag = 1;
  static constexpr int saveTag = 2;

  // Slides in from below the given area.
  static std::shared_ptr<CreatorReorderView> initReorderWithList(const std::vector<std::string>& list,
                                                                 const platform::graphics::Rect& frame,
                                                                 Completion completion);

  CreatorReorderView(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "CreatorReorderView"; }

  bool implements(platform::ui::TableViewDataSource::Operation operation) const override;
  bool implements(platform::ui::TableViewDelegate::Operation operation) const override;
  int numberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
  std::shared_ptr<platform::ui::TableViewCell> cellForRowAtIndexPath(platform::ui::TableView& tableView,
                                                                     platform::ui::IndexPath indexPath) override;
  bool canMoveRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath indexPath) override;
  void moveRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath from,
                          platform::ui::IndexPath to) override;
  bool canEditRowAtIndexPath(platform::ui::TableView& tableView, platform::ui::IndexPath indexPath) override;

  std::vector<std::string> _list;
  std::shared_ptr<platform::ui::TableView> _tableView;
  Completion completionBlock;

 private:
  void addHeader(double width);
  void headerTapped(platform::ui::GestureRecognizer& tap);
};

}  // namespace vantile
