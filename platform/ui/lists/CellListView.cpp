#include "platform/ui/lists/CellListView.h"

#include <algorithm>
#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/lists/ReusableCell.h"

namespace platform::ui {

using graphics::Point;
using graphics::Rect;

namespace {

std::string describe(IndexPath indexPath) {
  return "section " + std::to_string(indexPath.section) + ", item " + std::to_string(indexPath.row);
}

}  // namespace

// Hears the scroll view move, so the cells follow the visible part of the content.
class CellListView::ScrollTracker : public ScrollViewDelegate {
 public:
  explicit ScrollTracker(std::weak_ptr<CellListView> list) : list_(std::move(list)) {}

  bool implements(Operation operation) const override { return operation == Operation::scrollViewDidScroll; }
  void scrollViewDidScroll(ScrollView&) override {
    if (const std::shared_ptr<CellListView> list = list_.lock()) {
      list->tile();
    }
  }

 private:
  std::weak_ptr<CellListView> list_;
};

CellListView::CellListView(ConstructionKey key, const Rect& frame)
    : View(key, frame), scrollView_(ScrollView::make({0, 0, frame.width(), frame.height()})) {}

CellListView::~CellListView() = default;

void CellListView::finishMaking(const std::shared_ptr<CellListView>& list) {
  // Cells scrolled past the list's edges are hidden, not drawn over the views around it.
  list->scrollView_->setClipsToBounds(true);
  list->addSubview(list->scrollView_);
  list->scrollTracker_ = std::make_shared<ScrollTracker>(list);
  list->scrollView_->setDelegate(list->scrollTracker_);
  list->setNeedsLayout();
}

int CellListView::validatedCount(int count, std::string_view what) {
  if (count < 0 || count > maximumItemsPerSection) {
    foundation::systemLog("CellListView: the data source answered " + std::to_string(count) + " for " +
                          std::string(what) + "; counted as 0");
    return 0;
  }
  return count;
}

void CellListView::reloadData() {
  const auto shown = std::move(visibleCells_);
  visibleCells_.clear();
  for (const auto& [indexPath, cell] : shown) {
    retire(cell);
  }
  layout_.reset();
  selected_.reset();
  setNeedsLayout();
}

int CellListView::numberOfSections() {
  ensureLayout();
  return static_cast<int>(layout_->frames.size());
}

int CellListView::numberOfItemsInSection(int section) {
  ensureLayout();
  if (section < 0 || static_cast<std::size_t>(section) >= layout_->frames.size()) {
    return 0;
  }
  return static_cast<int>(layout_->frames[static_cast<std::size_t>(section)].size());
}

std::vector<std::shared_ptr<ReusableCell>> CellListView::visibleReusableCells() const {
  std::vector<std::shared_ptr<ReusableCell>> cells;
  for (const auto& [indexPath, cell] : visibleCells_) {
    cells.push_back(cell);
  }
  return cells;
}

std::vector<IndexPath> CellListView::indexPathsForVisibleItems() const {
  std::vector<IndexPath> indexPaths;
  for (const auto& [indexPath, cell] : visibleCells_) {
    indexPaths.push_back(indexPath);
  }
  return indexPaths;
}

std::optional<IndexPath> CellListView::indexPathForCell(const ReusableCell& cell) const {
  for (const auto& [indexPath, shown] : visibleCells_) {
    if (shown.get() == &cell) {
      return indexPath;
    }
  }
  return std::nullopt;
}

std::optional<IndexPath> CellListView::indexPathForItemAtPoint(Point point) {
  ensureLayout();
  const std::optional<Point> inContent = scrollView_->convertPointFromView(point, this);
  return inContent ? layout_->indexPathAt(*inContent) : std::nullopt;
}

std::shared_ptr<ReusableCell> CellListView::visibleCell(IndexPath indexPath) const {
  const auto found = visibleCells_.find(indexPath);
  return found == visibleCells_.end() ? nullptr : found->second;
}

const ListLayout& CellListView::currentLayout() {
  ensureLayout();
  return *layout_;
}

void CellListView::selectItemAtIndexPath(IndexPath indexPath) {
  ensureLayout();
  if (!layout_->frameAt(indexPath)) {
    foundation::systemLog("CellListView: cannot select " + describe(indexPath) + ", the list has no such place");
    return;
  }
  if (selected_ && *selected_ != indexPath) {
    deselectItemAtIndexPath(*selected_, false);
  }
  selected_ = indexPath;
  if (const std::shared_ptr<ReusableCell> cell = visibleCell(indexPath)) {
    cell->setSelected(true);
  }
}

void CellListView::deselectItemAtIndexPath(IndexPath indexPath, bool animated) {
  if (selected_ != indexPath) {
    return;
  }
  selected_.reset();
  if (const std::shared_ptr<ReusableCell> cell = visibleCell(indexPath)) {
    cell->setSelected(false, animated);
  }
}

void CellListView::layoutSubviews() {
  scrollView_->setFrame({0, 0, bounds().width(), bounds().height()});
  tile();
}

void CellListView::ensureLayout() {
  const graphics::Size size = scrollView_->bounds().size;
  if (layout_ && layoutSize_ == size) {
    return;
  }
  layout_ = makeLayout(size);
  layoutSize_ = size;
  scrollView_->setContentSize(layout_->contentSize);
  // Less content than before may leave the offset past its end.
  const Point offset = scrollView_->contentOffset();
  const Point maximum = scrollView_->maximumContentOffset();
  scrollView_->setContentOffset({std::min(offset.x, maximum.x), std::min(offset.y, maximum.y)});
}

void CellListView::tile() {
  if (tiling_) {
    return;
  }
  tiling_ = true;
  ensureLayout();
  const std::vector<IndexPath> wanted = layout_->indexPathsIn(scrollView_->bounds());
  for (auto shown = visibleCells_.begin(); shown != visibleCells_.end();) {
    if (std::binary_search(wanted.begin(), wanted.end(), shown->first)) {
      ++shown;
      continue;
    }
    std::shared_ptr<ReusableCell> cell = shown->second;
    shown = visibleCells_.erase(shown);
    retire(std::move(cell));
  }
  for (const IndexPath& indexPath : wanted) {
    // A data source that reloads while giving a cell leaves this layout behind.
    if (!layout_) {
      break;
    }
    const Rect frame = *layout_->frameAt(indexPath);
    if (const std::shared_ptr<ReusableCell> cell = visibleCell(indexPath)) {
      cell->setFrame(frame);
    } else {
      showCell(indexPath, frame);
    }
  }
  tiling_ = false;
}

void CellListView::retire(std::shared_ptr<ReusableCell> cell) {
  cell->removeFromSuperview();
  reuseQueue_.enqueue(std::move(cell));
}

void CellListView::showCell(IndexPath indexPath, const Rect& frame) {
  const std::shared_ptr<ReusableCell> cell = cellFromDataSource(indexPath);
  if (!cell) {
    foundation::systemLog("CellListView: the data source gave no cell for " + describe(indexPath));
    return;
  }
  if (indexPathForCell(*cell)) {
    foundation::systemLog("CellListView: the data source gave a cell already shown elsewhere for " +
                          describe(indexPath));
    return;
  }
  cell->setFrame(frame);
  cell->setSelected(selected_ == indexPath);
  willDisplayCell(*cell, indexPath);
  scrollView_->addSubview(cell);
  visibleCells_[indexPath] = cell;
}

std::shared_ptr<ReusableCell> CellListView::cellHolding(const std::shared_ptr<View>& view) const {
  for (std::shared_ptr<View> step = view; step && step.get() != this; step = step->superview()) {
    if (step->superview() == scrollView_) {
      for (const auto& [indexPath, cell] : visibleCells_) {
        if (cell == step) {
          return cell;
        }
      }
      return nullptr;
    }
  }
  return nullptr;
}

void CellListView::touchesBegan(const std::vector<Touch>& touches) {
  touchedCell_.reset();
  if (touches.size() == 1) {
    touchedCell_ = cellHolding(touches.front().view.lock());
  }
}

void CellListView::touchesEnded(const std::vector<Touch>& touches) {
  const std::shared_ptr<ReusableCell> cell = touchedCell_.lock();
  touchedCell_.reset();
  if (!cell || touches.size() != 1) {
    return;
  }
  // A finger that slid off the cell before lifting chose nothing.
  const std::optional<Point> point = touches.front().locationInView(cell.get());
  const std::optional<IndexPath> indexPath = indexPathForCell(*cell);
  if (!point || !cell->pointInside(*point) || !indexPath) {
    return;
  }
  selectItemAtIndexPath(*indexPath);
  tellDelegateDidSelect(*indexPath);
}

void CellListView::touchesCancelled(const std::vector<Touch>&) { touchedCell_.reset(); }

}  // namespace platform::ui
