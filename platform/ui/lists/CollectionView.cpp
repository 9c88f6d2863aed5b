#include "platform/ui/lists/CollectionView.h"

#include <cmath>
#include <string>

#include "platform/foundation/files/SystemLog.h"

namespace platform::ui {

using graphics::Rect;
using graphics::Size;

std::shared_ptr<CollectionView> CollectionView::make(const Rect& frame, CollectionViewFlowLayout layout) {
  auto collection = std::make_shared<CollectionView>(ConstructionKey{}, frame, std::move(layout));
  finishMaking(collection);
  return collection;
}

CollectionView::CollectionView(ConstructionKey key, const Rect& frame, CollectionViewFlowLayout layout)
    : CellListView(key, frame), layout_(std::move(layout)) {}

void CollectionView::setDataSource(std::weak_ptr<CollectionViewDataSource> dataSource) {
  dataSource_ = std::move(dataSource);
  reloadData();
}

void CollectionView::setDelegate(std::weak_ptr<CollectionViewDelegate> delegate) {
  delegate_ = std::move(delegate);
  reloadData();
}

void CollectionView::setCollectionViewLayout(CollectionViewFlowLayout layout) {
  layout_ = std::move(layout);
  reloadData();
}

void CollectionView::registerCell(const std::string& identifier, CellFactory factory) {
  if (!factory) {
    foundation::systemLog("CollectionView: refused an empty cell factory for \"" + identifier + "\"");
    return;
  }
  reuseQueue().registerFactory(identifier,
                               [factory = std::move(factory)]() -> std::shared_ptr<ReusableCell> { return factory(); });
}

std::shared_ptr<CollectionViewCell> CollectionView::dequeueReusableCell(const std::string& identifier,
                                                                       IndexPath indexPath) {
  // The queue only ever holds this collection's cells, all collection cells.
  auto cell = std::static_pointer_cast<CollectionViewCell>(reuseQueue().dequeue(identifier));
  if (!cell) {
    foundation::systemLog("CollectionView: no cell is registered for the reuse identifier \"" + identifier + "\"");
    return nullptr;
  }
  // Sized for its place already, so a data source can lay its contents out by the cell's bounds.
  if (const std::optional<graphics::Rect> frame = currentLayout().frameAt(indexPath)) cell->setFrame(*frame);
  return cell;
}

std::shared_ptr<CollectionViewCell> CollectionView::cellForItemAtIndexPath(IndexPath indexPath) const {
  return std::static_pointer_cast<CollectionViewCell>(visibleCell(indexPath));
}

std::vector<std::shared_ptr<CollectionViewCell>> CollectionView::visibleCells() const {
  std::vector<std::shared_ptr<CollectionViewCell>> cells;
  for (const std::shared_ptr<ReusableCell>& cell : visibleReusableCells()) {
    cells.push_back(std::static_pointer_cast<CollectionViewCell>(cell));
  }
  return cells;
}

Size CollectionView::sizeOfItem(IndexPath indexPath) {
  const std::shared_ptr<CollectionViewDelegate> delegate = delegate_.lock();
  if (!delegate || !delegate->implements(CollectionViewDelegate::Operation::sizeForItemAtIndexPath)) {
    return layout_.itemSize;
  }
  const Size size = delegate->sizeForItemAtIndexPath(*this, layout_, indexPath);
  if (!std::isfinite(size.width) || !std::isfinite(size.height) || size.width < 0 || size.height < 0) {
    foundation::systemLog(
        "CollectionView: the delegate answered an item size that is negative or not a number for item " +
        std::to_string(indexPath.row) + " of section " + std::to_string(indexPath.section) +
        "; the item takes no room");
    return {};
  }
  return size;
}

ListLayout CollectionView::makeLayout(Size size) {
  std::vector<std::vector<Size>> sizes;
  if (const std::shared_ptr<CollectionViewDataSource> dataSource = dataSource_.lock()) {
    const int sections =
        dataSource->implements(CollectionViewDataSource::Operation::numberOfSectionsInCollectionView)
            ? validatedCount(dataSource->numberOfSectionsInCollectionView(*this), "the number of sections")
            : 1;
    for (int section = 0; section < sections; ++section) {
      const int items = validatedCount(dataSource->numberOfItemsInSection(*this, section),
                                       "the number of items in section " + std::to_string(section));
      auto& sectionSizes = sizes.emplace_back();
      sectionSizes.reserve(static_cast<std::size_t>(items));
      for (int item = 0; item < items; ++item) {
        sectionSizes.push_back(sizeOfItem({section, item}));
      }
    }
  }
  return layout_.layout(size, sizes);
}

std::shared_ptr<ReusableCell> CollectionView::cellFromDataSource(IndexPath indexPath) {
  const std::shared_ptr<CollectionViewDataSource> dataSource = dataSource_.lock();
  return dataSource ? dataSource->cellForItemAtIndexPath(*this, indexPath) : nullptr;
}

void CollectionView::tellDelegateDidSelect(IndexPath indexPath) {
  if (const std::shared_ptr<CollectionViewDelegate> delegate = delegate_.lock();
      delegate && delegate->implements(CollectionViewDelegate::Operation::didSelectItemAtIndexPath)) {
    delegate->didSelectItemAtIndexPath(*this, indexPath);
  }
}

}  // namespace platform::ui
