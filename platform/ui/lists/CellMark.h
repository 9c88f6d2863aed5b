#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/ui/views/View.h"

namespace platform::ui {

// A small stroked shape at the right of a table cell: the disclosure chevron, the checkmark,
// or the grip a row is dragged by.
class CellMark : public View {
 public:
  static std::shared_ptr<CellMark> disclosureIndicator();
  static std::shared_ptr<CellMark> checkmark(graphics::Color tint);
  // A finger's width square; unlike the others it takes touches.
  static std::shared_ptr<CellMark> reorderGrip();

  CellMark(ConstructionKey key, const graphics::Rect& frame, std::string className);

  std::string_view className() const override { return className_; }

 private:
  static std::shared_ptr<CellMark> make(const graphics::Rect& frame, std::string className,
                                        const std::vector<std::vector<graphics::Point>>& strokes,
                                        graphics::Color color);

  std::string className_;
};

}  // namespace platform::ui
