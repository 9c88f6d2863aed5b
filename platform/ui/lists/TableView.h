#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/ui/lists/CellListView.h"
#include "platform/ui/lists/TableViewCell.h"
#include "platform/ui/lists/TableViewDataSource.h"
#include "platform/ui/lists/TableViewDelegate.h"

namespace platform::ui {

class PanGestureRecognizer;

// A plain table: the rows of every section stacked from the top, as wide as the table, each
// as high as the delegate says or rowHeight, with a hairline separator under each row.
// While editing, rows whose cells show a reorder control are dragged by it to another place
// in their section; the data source then moves its entry and the table shows the rows again.
// A swipe to the left across a row that the data source can delete shows a Delete button at
// the row's right; a tap on it commits the deletion, any other touch on the table hides it.
class TableView : public CellListView {
 public:
  static constexpr double defaultRowHeight = 44;
  static constexpr double deleteButtonWidth = 80;
  // How far left a finger travels across a row to show its Delete button.
  static constexpr double deleteSwipeDistance = 50;

  using CellFactory = std::function<std::shared_ptr<TableViewCell>(const std::string& reuseIdentifier)>;

  static std::shared_ptr<TableView> make(const graphics::Rect& frame = {});

  TableView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "TableView"; }

  std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
  void setDataSource(std::weak_ptr<TableViewDataSource> dataSource);
  std::shared_ptr<TableViewDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<TableViewDelegate> delegate);

  double rowHeight() const { return rowHeight_; }
  // Negative or non-finite heights are refused.
  void setRowHeight(double height);

  enum class SeparatorStyle { none, singleLine };
  SeparatorStyle separatorStyle() const { return separatorStyle_; }
  void setSeparatorStyle(SeparatorStyle style);
  graphics::Color separatorColor() const { return separatorColor_; }
  void setSeparatorColor(graphics::Color color);

  bool isEditing() const { return editing_; }
  void setEditing(bool editing);

  // Cells for the identifier that the reuse queue lacks are made with the factory.
  void registerCell(const std::string& identifier, CellFactory factory);
  // A cell class with make(style, reuseIdentifier), in the default style.
  template <class Cell>
  void registerCellClass(const std::string& identifier) {
    registerCell(identifier, [](const std::string& reuseIdentifier) {
      return Cell::make(TableViewCell::Style::standard, reuseIdentifier);
    });
  }
  // A waiting cell, else one made for a registered identifier, else nothing (the data
  // source then makes its own).
  std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier);
  // The same, but an identifier without a registration is logged.
  std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier, IndexPath indexPath);

  int numberOfRowsInSection(int section) { return numberOfItemsInSection(section); }
  // The visible cell at the place; nothing for places off screen.
  std::shared_ptr<TableViewCell> cellForRowAtIndexPath(IndexPath indexPath) const;
  std::vector<std::shared_ptr<TableViewCell>> visibleCells() const;
  std::vector<IndexPath> indexPathsForVisibleRows() const { return indexPathsForVisibleItems(); }
  std::optional<IndexPath> indexPathForRowAtPoint(graphics::Point point) { return indexPathForItemAtPoint(point); }
  std::optional<IndexPath> indexPathForSelectedRow() const { return indexPathForSelectedItem(); }
  void selectRowAtIndexPath(IndexPath indexPath) { selectItemAtIndexPath(indexPath); }
  void deselectRowAtIndexPath(IndexPath indexPath, bool animated) { deselectItemAtIndexPath(indexPath, animated); }

 protected:
  ListLayout makeLayout(graphics::Size size) override;
  std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) override;
  void tellDelegateDidSelect(IndexPath indexPath) override;
  void willDisplayCell(ReusableCell& cell, IndexPath indexPath) override;
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;

 private:
  double heightOfRow(IndexPath indexPath);
  void restyleVisibleCells();
  bool canMoveRow(IndexPath indexPath);
  void handleReorderPan(TableViewCell& cell, PanGestureRecognizer& pan);
  void showRowsAgain();
  bool canDeleteRow(IndexPath indexPath);
  // Follows the scroll view's pan, which also carries sideways swipes across rows.
  void handleSwipe(PanGestureRecognizer& pan);
  void showDeleteButton(IndexPath indexPath);
  void hideDeleteButton();
  void commitDeletion();
  // The row of the section whose place holds the content height `y`, the first or last one
  // beyond them; nothing when the section has no rows (any more).
  std::optional<IndexPath> rowNearest(int section, double y);

  std::weak_ptr<TableViewDataSource> dataSource_;
  std::weak_ptr<TableViewDelegate> delegate_;
  double rowHeight_ = defaultRowHeight;
  SeparatorStyle separatorStyle_ = SeparatorStyle::singleLine;
  graphics::Color separatorColor_{0.78, 0.78, 0.8, 1};
  bool editing_ = false;
  // The place of the row being dragged, and where its centre was when the drag began.
  std::optional<IndexPath> reorderFrom_;
  graphics::Point reorderStartCenter_;
  std::optional<IndexPath> swipedRow_;
  std::shared_ptr<View> deleteButton_;
  std::optional<IndexPath> deleteButtonRow_;
  // While the Delete button shows, a touch on the table selects nothing.
  bool touchWhileDeleteButtonShown_ = false;
};

}  // namespace platform::ui
