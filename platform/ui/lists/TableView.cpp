#include "platform/ui/lists/TableView.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"

namespace platform::ui {

using graphics::Rect;

std::shared_ptr<TableView> TableView::make(const Rect& frame) {
  auto table = std::make_shared<TableView>(ConstructionKey{}, frame);
  finishMaking(table);
  table->scrollView()->panGestureRecognizer()->addTarget(
      [weak = std::weak_ptr<TableView>(table)](GestureRecognizer& recognizer) {
        if (const std::shared_ptr<TableView> self = weak.lock()) {
          self->handleSwipe(static_cast<PanGestureRecognizer&>(recognizer));
        }
      });
  return table;
}

TableView::TableView(ConstructionKey key, const Rect& frame) : CellListView(key, frame) {}

void TableView::setDataSource(std::weak_ptr<TableViewDataSource> dataSource) {
  dataSource_ = std::move(dataSource);
  reloadData();
}

void TableView::setDelegate(std::weak_ptr<TableViewDelegate> delegate) {
  delegate_ = std::move(delegate);
  reloadData();
}

void TableView::setRowHeight(double height) {
  if (!std::isfinite(height) || height < 0) {
    foundation::systemLog("TableView: ignored a row height that is negative or not a number");
    return;
  }
  rowHeight_ = height;
  reloadData();
}

void TableView::setSeparatorStyle(SeparatorStyle style) {
  separatorStyle_ = style;
  restyleVisibleCells();
}

void TableView::setSeparatorColor(graphics::Color color) {
  separatorColor_ = color;
  restyleVisibleCells();
}

void TableView::setEditing(bool editing) {
  editing_ = editing;
  restyleVisibleCells();
}

void TableView::restyleVisibleCells() {
  for (const IndexPath& indexPath : indexPathsForVisibleRows()) {
    willDisplayCell(*cellForRowAtIndexPath(indexPath), indexPath);
  }
}

void TableView::registerCell(const std::string& identifier, CellFactory factory) {
  if (!factory) {
    foundation::systemLog("TableView: refused an empty cell factory for \"" + identifier + "\"");
    return;
  }
  reuseQueue().registerFactory(identifier, [factory = std::move(factory), identifier] { return factory(identifier); });
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier) {
  // The queue only ever holds this table's cells, all table cells.
  return std::static_pointer_cast<TableViewCell>(reuseQueue().dequeue(identifier));
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier, IndexPath) {
  std::shared_ptr<TableViewCell> cell = dequeueReusableCell(identifier);
  if (!cell) {
    foundation::systemLog("TableView: no cell is registered for the reuse identifier \"" + identifier + "\"");
  }
  return cell;
}

std::shared_ptr<TableViewCell> TableView::cellForRowAtIndexPath(IndexPath indexPath) const {
  return std::static_pointer_cast<TableViewCell>(visibleCell(indexPath));
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() const {
  std::vector<std::shared_ptr<TableViewCell>> cells;
  for (const std::shared_ptr<ReusableCell>& cell : visibleReusableCells()) {
    cells.push_back(std::static_pointer_cast<TableViewCell>(cell));
  }
  return cells;
}

double TableView::heightOfRow(IndexPath indexPath) {
  const std::shared_ptr<TableViewDelegate> delegate = delegate_.lock();
  if (!delegate || !delegate->implements(TableViewDelegate::Operation::heightForRowAtIndexPath)) {
    return rowHeight_;
  }
  const double height = delegate->heightForRowAtIndexPath(*this, indexPath);
  if (!std::isfinite(height) || height < 0) {
    foundation::systemLog("TableView: the delegate answered a row height that is negative or not a number for row " +
                          std::to_string(indexPath.row) + " of section " + std::to_string(indexPath.section) +
                          "; the row is 0 high");
    return 0;
  }
  return height;
}

ListLayout TableView::makeLayout(graphics::Size size) {
  ListLayout layout;
  const std::shared_ptr<TableViewDataSource> dataSource = dataSource_.lock();
  if (!dataSource) {
    layout.contentSize = {size.width, 0};
    return layout;
  }
  const int sections = dataSource->implements(TableViewDataSource::Operation::numberOfSectionsInTableView)
                           ? validatedCount(dataSource->numberOfSectionsInTableView(*this), "the number of sections")
                           : 1;
  double y = 0;
  for (int section = 0; section < sections; ++section) {
    const int rows = validatedCount(dataSource->numberOfRowsInSection(*this, section),
                                    "the number of rows in section " + std::to_string(section));
    auto& frames = layout.frames.emplace_back();
    frames.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
      const double height = heightOfRow({section, row});
      frames.push_back({0, y, size.width, height});
      y += height;
    }
  }
  layout.contentSize = {size.width, y};
  return layout;
}

std::shared_ptr<ReusableCell> TableView::cellFromDataSource(IndexPath indexPath) {
  const std::shared_ptr<TableViewDataSource> dataSource = dataSource_.lock();
  return dataSource ? dataSource->cellForRowAtIndexPath(*this, indexPath) : nullptr;
}

void TableView::tellDelegateDidSelect(IndexPath indexPath) {
  if (const std::shared_ptr<TableViewDelegate> delegate = delegate_.lock();
      delegate && delegate->implements(TableViewDelegate::Operation::didSelectRowAtIndexPath)) {
    delegate->didSelectRowAtIndexPath(*this, indexPath);
  }
}

void TableView::willDisplayCell(ReusableCell& shown, IndexPath indexPath) {
  auto& cell = static_cast<TableViewCell&>(shown);
  // A cell that comes back for another row does not bring the old row's button along.
  if (deleteButton_ && deleteButton_->superview().get() == &cell && deleteButtonRow_ != indexPath) {
    hideDeleteButton();
  }
  cell.setSeparatorColor(separatorStyle_ == SeparatorStyle::singleLine ? std::optional(separatorColor_) : std::nullopt);
  const bool movable = editing_ && cell.showsReorderControl() && canMoveRow(indexPath);
  if (movable && cell.reorderControl()->gestureRecognizers().empty()) {
    cell.reorderControl()->addGestureRecognizer(PanGestureRecognizer::make(
        [table = std::weak_ptr<TableView>(std::static_pointer_cast<TableView>(shared_from_this())),
         held = std::weak_ptr<TableViewCell>(std::static_pointer_cast<TableViewCell>(cell.shared_from_this()))](
            GestureRecognizer& recognizer) {
          const std::shared_ptr<TableView> self = table.lock();
          const std::shared_ptr<TableViewCell> dragged = held.lock();
          if (self && dragged) {
            self->handleReorderPan(*dragged, static_cast<PanGestureRecognizer&>(recognizer));
          }
        }));
  }
  cell.setReorderControlShown(movable);
}

bool TableView::canMoveRow(IndexPath indexPath) {
  const std::shared_ptr<TableViewDataSource> dataSource = dataSource_.lock();
  if (!dataSource || !dataSource->implements(TableViewDataSource::Operation::moveRowAtIndexPath)) {
    return false;
  }
  return !dataSource->implements(TableViewDataSource::Operation::canMoveRowAtIndexPath) ||
         dataSource->canMoveRowAtIndexPath(*this, indexPath);
}

void TableView::showRowsAgain() {
  reloadData();
  // The dropped row lands at once, without a frame of empty table in between.
  layoutIfNeeded();
}

std::optional<IndexPath> TableView::rowNearest(int section, double y) {
  const auto& sections = currentLayout().frames;
  if (section < 0 || static_cast<std::size_t>(section) >= sections.size() ||
      sections[static_cast<std::size_t>(section)].empty()) {
    return std::nullopt;
  }
  const std::vector<Rect>& rows = sections[static_cast<std::size_t>(section)];
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (y < rows[row].maxY()) {
      return IndexPath{section, static_cast<int>(row)};
    }
  }
  return IndexPath{section, static_cast<int>(rows.size()) - 1};
}

void TableView::handleReorderPan(TableViewCell& cell, PanGestureRecognizer& pan) {
  switch (pan.state()) {
    case GestureRecognizer::State::began:
      reorderFrom_ = indexPathForCell(cell);
      reorderStartCenter_ = cell.center();
      scrollView()->bringSubviewToFront(cell);
      break;
    case GestureRecognizer::State::changed:
      if (const std::optional<graphics::Point> moved = pan.translationInView(scrollView().get());
          moved && reorderFrom_) {
        cell.setCenter({reorderStartCenter_.x, reorderStartCenter_.y + moved->y});
      }
      break;
    case GestureRecognizer::State::ended:
      if (reorderFrom_) {
        const IndexPath from = *reorderFrom_;
        const std::optional<IndexPath> to = rowNearest(from.section, cell.center().y);
        reorderFrom_.reset();
        if (const std::shared_ptr<TableViewDataSource> source = dataSource(); source && to && *to != from) {
          source->moveRowAtIndexPath(*this, from, *to);
        }
        showRowsAgain();
      }
      break;
    case GestureRecognizer::State::cancelled:
      reorderFrom_.reset();
      showRowsAgain();
      break;
    case GestureRecognizer::State::possible:
    case GestureRecognizer::State::failed:
      break;
  }
}

bool TableView::canDeleteRow(IndexPath indexPath) {
  const std::shared_ptr<TableViewDataSource> dataSource = dataSource_.lock();
  if (!dataSource || !dataSource->implements(TableViewDataSource::Operation::commitEditingStyle)) {
    return false;
  }
  return !dataSource->implements(TableViewDataSource::Operation::canEditRowAtIndexPath) ||
         dataSource->canEditRowAtIndexPath(*this, indexPath);
}

void TableView::handleSwipe(PanGestureRecognizer& pan) {
  switch (pan.state()) {
    case GestureRecognizer::State::began: {
      hideDeleteButton();
      const std::optional<graphics::Point> point = pan.locationInView(this);
      swipedRow_ = point && !editing_ ? indexPathForRowAtPoint(*point) : std::nullopt;
      break;
    }
    case GestureRecognizer::State::ended: {
      const std::optional<graphics::Point> moved = pan.translationInView(this);
      const bool sideways = moved && -moved->x >= deleteSwipeDistance && -moved->x > 2 * std::abs(moved->y);
      if (swipedRow_ && sideways && canDeleteRow(*swipedRow_)) {
        showDeleteButton(*swipedRow_);
      }
      swipedRow_.reset();
      break;
    }
    case GestureRecognizer::State::changed:
      break;
    case GestureRecognizer::State::cancelled:
    case GestureRecognizer::State::possible:
    case GestureRecognizer::State::failed:
      swipedRow_.reset();
      break;
  }
}

void TableView::showDeleteButton(IndexPath indexPath) {
  const std::shared_ptr<TableViewCell> cell = cellForRowAtIndexPath(indexPath);
  if (!cell) {
    return;
  }
  const Rect row = cell->bounds();
  deleteButton_ = View::make({row.width() - deleteButtonWidth, 0, deleteButtonWidth, row.height()});
  deleteButton_->setBackgroundColor(graphics::Color{1, 0.23, 0.19, 1});
  auto title = Label::make({0, 0, deleteButtonWidth, row.height()});
  title->setText("Delete");
  title->setTextColor(graphics::Color{1, 1, 1, 1});
  title->setTextAlignment(TextAlignment::center);
  title->setUserInteractionEnabled(false);
  deleteButton_->addSubview(std::move(title));
  deleteButton_->addGestureRecognizer(TapGestureRecognizer::make(
      [weak = std::weak_ptr<TableView>(std::static_pointer_cast<TableView>(shared_from_this()))](GestureRecognizer&) {
        if (const std::shared_ptr<TableView> self = weak.lock()) {
          self->commitDeletion();
        }
      }));
  deleteButtonRow_ = indexPath;
  cell->addSubview(deleteButton_);
}

void TableView::hideDeleteButton() {
  if (deleteButton_) {
    deleteButton_->removeFromSuperview();
  }
  deleteButton_.reset();
  deleteButtonRow_.reset();
}

void TableView::commitDeletion() {
  const std::optional<IndexPath> row = deleteButtonRow_;
  hideDeleteButton();
  if (const std::shared_ptr<TableViewDataSource> dataSource = dataSource_.lock(); dataSource && row) {
    dataSource->commitEditingStyle(*this, TableViewDataSource::EditingStyle::deletion, *row);
  }
}

void TableView::touchesBegan(const std::vector<Touch>& touches) {
  touchWhileDeleteButtonShown_ = deleteButton_ != nullptr;
  if (!touchWhileDeleteButtonShown_) {
    CellListView::touchesBegan(touches);
    return;
  }
  // The button's own tap commits; it must still be there when the finger lifts.
  const bool onButton = std::any_of(touches.begin(), touches.end(), [this](const Touch& touch) {
    const std::shared_ptr<View> hit = touch.view.lock();
    return hit && hit->isDescendantOfView(*deleteButton_);
  });
  if (!onButton) {
    hideDeleteButton();
  }
}

void TableView::touchesEnded(const std::vector<Touch>& touches) {
  if (touchWhileDeleteButtonShown_) {
    touchWhileDeleteButtonShown_ = false;
    return;
  }
  CellListView::touchesEnded(touches);
}

}  // namespace platform::ui
