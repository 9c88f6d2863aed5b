#pragma once

#include <memory>

#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class CollectionView;
class CollectionViewCell;

// What a collection shows. The item count and the cells are required; the section count is
// optional (one section when not implemented): the collection asks implements() before calling it.
class CollectionViewDataSource {
 public:
  enum class Operation { numberOfSectionsInCollectionView };

  virtual ~CollectionViewDataSource() = default;

  virtual bool implements(Operation operation) const = 0;

  virtual int numberOfItemsInSection(CollectionView& collectionView, int section) = 0;
  // Usually a cell from the collection's dequeueReusableCell; nothing leaves the place empty.
  virtual std::shared_ptr<CollectionViewCell> cellForItemAtIndexPath(CollectionView& collectionView,
                                                                     IndexPath indexPath) = 0;
  virtual int numberOfSectionsInCollectionView(CollectionView&) { return 1; }
};

}  // namespace platform::ui
