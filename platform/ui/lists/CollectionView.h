#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/lists/CellListView.h"
#include "platform/ui/lists/CollectionViewCell.h"
#include "platform/ui/lists/CollectionViewDataSource.h"
#include "platform/ui/lists/CollectionViewDelegate.h"
#include "platform/ui/lists/CollectionViewFlowLayout.h"

namespace platform::ui {

// Items laid out by a flow layout, each as large as the delegate says or the layout's itemSize.
class CollectionView : public CellListView {
 public:
  // Makes a cell of the registered kind; the collection sizes and places it.
  using CellFactory = std::function<std::shared_ptr<CollectionViewCell>()>;

  static std::shared_ptr<CollectionView> make(const graphics::Rect& frame = {}, CollectionViewFlowLayout layout = {});

  CollectionView(ConstructionKey key, const graphics::Rect& frame, CollectionViewFlowLayout layout);

  std::string_view className() const override { return "CollectionView"; }

  std::shared_ptr<CollectionViewDataSource> dataSource() const { return dataSource_.lock(); }
  void setDataSource(std::weak_ptr<CollectionViewDataSource> dataSource);
  std::shared_ptr<CollectionViewDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<CollectionViewDelegate> delegate);

  const CollectionViewFlowLayout& collectionViewLayout() const { return layout_; }
  // Lays the items out again on the next layout pass.
  void setCollectionViewLayout(CollectionViewFlowLayout layout);

  void registerCell(const std::string& identifier, CellFactory factory);
  // A cell class with make(frame).
  template <class Cell>
  void registerCellClass(const std::string& identifier) {
    registerCell(identifier, [] { return Cell::make(graphics::Rect{}); });
  }
  // A waiting cell, else a new one from the registration, with the frame of the place; an
  // identifier without a registration is logged and gives nothing.
  std::shared_ptr<CollectionViewCell> dequeueReusableCell(const std::string& identifier, IndexPath indexPath);

  // The visible cell at the place; nothing for places off screen.
  std::shared_ptr<CollectionViewCell> cellForItemAtIndexPath(IndexPath indexPath) const;
  std::vector<std::shared_ptr<CollectionViewCell>> visibleCells() const;

 protected:
  ListLayout makeLayout(graphics::Size size) override;
  std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) override;
  void tellDelegateDidSelect(IndexPath indexPath) override;

 private:
  graphics::Size sizeOfItem(IndexPath indexPath);

  std::weak_ptr<CollectionViewDataSource> dataSource_;
  std::weak_ptr<CollectionViewDelegate> delegate_;
  CollectionViewFlowLayout layout_;
};

}  // namespace platform::ui
