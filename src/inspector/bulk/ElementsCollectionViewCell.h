#pragma once

#include <memory>
#include <string>

#include "platform/ui/lists/CollectionViewCell.h"

namespace platform::ui {
class Label;
}

namespace vantile {

// The element type tile of the one-at-a-time element picker: the type name (tag 888, which
// the canvas reads back) over its caption (tag 111).
class ElementsCollectionViewCell : public platform::ui::CollectionViewCell {
 public:
  static constexpr std::int64_t kLabelTag = 888;
  static constexpr std::int64_t kTypeInfoTag = 111;

  static std::shared_ptr<ElementsCollectionViewCell> make(const platform::graphics::Rect& frame = {});
  ElementsCollectionViewCell(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "ElementsCollectionViewCell"; }

  // The type name, and its caption when the type has one.
  void setLabel(const std::string& type);
  const std::shared_ptr<platform::ui::Label>& label() const { return label_; }
  const std::shared_ptr<platform::ui::Label>& typeInfo() const { return typeInfo_; }

 private:
  std::shared_ptr<platform::ui::Label> label_;
  std::shared_ptr<platform::ui::Label> typeInfo_;
};

}  // namespace vantile
