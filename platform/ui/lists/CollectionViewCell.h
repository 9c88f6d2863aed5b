#pragma once

#include <memory>

#include "platform/ui/lists/ReusableCell.h"

namespace platform::ui {

// One item of a collection: an empty content view the caller fills. The collection gives it
// its reuse identifier when it makes it from a registration.
class CollectionViewCell : public ReusableCell {
 public:
  static std::shared_ptr<CollectionViewCell> make(const graphics::Rect& frame = {});

  CollectionViewCell(ConstructionKey key, const graphics::Rect& frame) : ReusableCell(key, frame, {}) {}

  std::string_view className() const override { return "CollectionViewCell"; }
};

}  // namespace platform::ui
