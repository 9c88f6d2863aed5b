#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/ui/lists/IndexPath.h"

namespace platform::ui {

class CollectionView;
class CollectionViewFlowLayout;

// What a collection tells and asks its delegate. Every operation is optional: the
// collection asks implements() before calling one.
class CollectionViewDelegate {
 public:
  enum class Operation { sizeForItemAtIndexPath, didSelectItemAtIndexPath };

  virtual ~CollectionViewDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  // Without it every item is the layout's itemSize.
  virtual graphics::Size sizeForItemAtIndexPath(CollectionView&, const CollectionViewFlowLayout&, IndexPath) {
    return {};
  }
  // A tap chose the item; it is selected already.
  virtual void didSelectItemAtIndexPath(CollectionView&, IndexPath) {}
};

}  // namespace platform::ui
