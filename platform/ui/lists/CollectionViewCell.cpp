#include "platform/ui/lists/CollectionViewCell.h"

namespace platform::ui {

std::shared_ptr<CollectionViewCell> CollectionViewCell::make(const graphics::Rect& frame) {
  return std::make_shared<CollectionViewCell>(ConstructionKey{}, frame);
}

}  // namespace platform::ui
