#include "platform/ui/lists/CellMark.h"

#include "platform/graphics/Path.h"
#include "platform/ui/layers/ShapeLayer.h"

namespace platform::ui {

using graphics::Color;
using graphics::Point;
using graphics::Rect;

namespace {

constexpr Color kMarkGrey{0.78, 0.78, 0.8, 1};
constexpr double kLineWidth = 2;

}  // namespace

CellMark::CellMark(ConstructionKey key, const Rect& frame, std::string className)
    : View(key, frame, ShapeLayer::make()), className_(std::move(className)) {}

std::shared_ptr<CellMark> CellMark::make(const Rect& frame, std::string className,
                                         const std::vector<std::vector<Point>>& strokes, Color color) {
  auto mark = std::make_shared<CellMark>(ConstructionKey{}, frame, std::move(className));
  graphics::Path path;
  for (const std::vector<Point>& stroke : strokes) {
    path.moveTo(stroke.front());
    for (std::size_t point = 1; point < stroke.size(); ++point) {
      path.lineTo(stroke[point]);
    }
  }
  const auto shape = std::static_pointer_cast<ShapeLayer>(mark->layer());
  shape->setPath(std::move(path));
  shape->setFillColor(std::nullopt);
  shape->setStrokeColor(color);
  shape->setLineWidth(kLineWidth);
  return mark;
}

std::shared_ptr<CellMark> CellMark::disclosureIndicator() {
  auto mark = make({0, 0, 8, 13}, "AccessoryMark", {{{1, 1}, {7, 6.5}, {1, 12}}}, kMarkGrey);
  mark->setUserInteractionEnabled(false);
  return mark;
}

std::shared_ptr<CellMark> CellMark::checkmark(Color tint) {
  auto mark = make({0, 0, 14, 11}, "AccessoryMark", {{{1, 6}, {5, 10}, {13, 1}}}, tint);
  mark->setUserInteractionEnabled(false);
  return mark;
}

std::shared_ptr<CellMark> CellMark::reorderGrip() {
  return make({0, 0, 44, 44}, "ReorderControl", {{{12, 16}, {32, 16}}, {{12, 22}, {32, 22}}, {{12, 28}, {32, 28}}},
              kMarkGrey);
}

}  // namespace platform::ui
