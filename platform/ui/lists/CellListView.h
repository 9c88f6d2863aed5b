#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/lists/CellReuseQueue.h"
#include "platform/ui/lists/IndexPath.h"
#include "platform/ui/lists/ListLayout.h"
#include "platform/ui/views/ScrollView.h"

namespace platform::ui {

class ReusableCell;

// The engine of table and collection views: a scroll view over the list's content in which
// only the cells of the places on screen exist, as its subviews. Places that scroll off give
// their cells to the reuse queue; places that scroll on ask the data source for a cell, which
// usually takes one from that queue. A tap on a cell selects its place.
//
// The list asks its data source again on reloadData (or when it gets a new one), then lays out
// on its next layout pass. Points and rectangles of its operations are in the list's own bounds
// space unless said otherwise; cell frames are in the scroll view's content space. The scroll
// view's delegate slot is the list's own: it is how the list hears of scrolling.
class CellListView : public View {
 public:
  // Counts beyond this are refused with a log line, to keep a wrong answer from eating memory.
  static constexpr int maximumItemsPerSection = 1'000'000;

  CellListView(ConstructionKey key, const graphics::Rect& frame);
  ~CellListView() override;

  const std::shared_ptr<ScrollView>& scrollView() const { return scrollView_; }

  void reloadData();

  int numberOfSections();
  int numberOfItemsInSection(int section);

  // In order.
  std::vector<IndexPath> indexPathsForVisibleItems() const;
  std::optional<IndexPath> indexPathForCell(const ReusableCell& cell) const;
  std::optional<IndexPath> indexPathForItemAtPoint(graphics::Point point);

  std::optional<IndexPath> indexPathForSelectedItem() const { return selected_; }
  // Selects without telling the delegate; a place outside the list is refused.
  void selectItemAtIndexPath(IndexPath indexPath);
  void deselectItemAtIndexPath(IndexPath indexPath, bool animated);

 protected:
  // Sets up what needs the list in a shared_ptr; every subclass's factory calls it.
  static void finishMaking(const std::shared_ptr<CellListView>& list);

  // Where every cell goes for a list of this size, asking the data source for the counts
  // (through validatedCount) and the sizes.
  virtual ListLayout makeLayout(graphics::Size size) = 0;
  virtual std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) = 0;
  virtual void tellDelegateDidSelect(IndexPath indexPath) = 0;
  // Just before a cell shows at its place.
  virtual void willDisplayCell(ReusableCell&, IndexPath) {}

  // The count when it is usable, else 0 and a log line naming `what`.
  static int validatedCount(int count, std::string_view what);

  std::shared_ptr<ReusableCell> visibleCell(IndexPath indexPath) const;
  std::vector<std::shared_ptr<ReusableCell>> visibleReusableCells() const;
  const ListLayout& currentLayout();
  CellReuseQueue& reuseQueue() { return reuseQueue_; }

  void layoutSubviews() override;
  void touchesBegan(const std::vector<Touch>& touches) override;
  void touchesEnded(const std::vector<Touch>& touches) override;
  void touchesCancelled(const std::vector<Touch>& touches) override;

 private:
  class ScrollTracker;

  void ensureLayout();
  // Shows the cells of the places in the visible part of the content, and only those.
  void tile();
  void retire(std::shared_ptr<ReusableCell> cell);
  void showCell(IndexPath indexPath, const graphics::Rect& frame);
  std::shared_ptr<ReusableCell> cellHolding(const std::shared_ptr<View>& view) const;

  std::shared_ptr<ScrollView> scrollView_;
  std::shared_ptr<ScrollTracker> scrollTracker_;
  CellReuseQueue reuseQueue_;
  std::optional<ListLayout> layout_;
  // The scroll view's size the layout was made for.
  graphics::Size layoutSize_;
  std::map<IndexPath, std::shared_ptr<ReusableCell>> visibleCells_;
  std::optional<IndexPath> selected_;
  std::weak_ptr<ReusableCell> touchedCell_;
  bool tiling_ = false;
};

}  // namespace platform::ui
