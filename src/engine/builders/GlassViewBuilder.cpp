// Glass views: a UIView element that may cast an outer shadow while keeping its rounded,
// clipped corners, and may shade its inside edge.
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/Path.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
using namespace conventions;

constexpr std::int32_t kInnerViewTagOffset = 1000;

bool isWrapped(const Value& options) {
  if (!hasKey(options, "boxShadow") || !hasKey(options, "cornerRadius")) return false;
  return stringFor(valueFor(options, "boxShadow"), "color") != "rgba(0,0,0,0)" && numberFor(options, "cornerRadius") > 0;
}

// The element at the wrapper's origin and size, casting no shadow of its own; nothing when
// the frame lacks a width or a height.
std::optional<Value> innerDescription(const Value& options) {
  const Value& frame = valueFor(options, "frame");
  if (!hasKey(frame, "width") || !hasKey(frame, "height")) return std::nullopt;
  Value inner = options;
  inner["frame"] = Value{{"x", "0"},
                         {"y", "0"},
                         {"width", platform::foundation::description(valueFor(frame, "width"))},
                         {"height", platform::foundation::description(valueFor(frame, "height"))}};
  inner["boxShadow"] = Value{{"color", "rgba(0,0,0,0)"}, {"radius", "0"}, {"x", "0"}, {"y", "0"}};
  return inner;
}

Rect insetBy(const Rect& rect, double inset) {
  return {rect.x() + inset, rect.y() + inset, rect.width() - 2 * inset, rect.height() - 2 * inset};
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createGlassViewForView(const Value& options, std::int32_t tag,
                                                                           const Rect& referenceRect) {
  if (!isWrapped(options)) {
    auto view = createUIViewForView(options, tag, referenceRect);
    addInnerShadow(*view, options);
    return view;
  }
  const std::optional<Value> inner = innerDescription(options);
  if (!inner) return nullptr;

  auto wrapper = platform::ui::View::make();
  wrapper->setFrame(frameFor(options, referenceRect));
  wrapper->setTag(tag);
  wrapper->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0});
  const Value& shadow = valueFor(options, "boxShadow");
  auto& layer = *wrapper->layer();
  layer.setShadowColor(colorFor(shadow, "color"));
  layer.setShadowRadius(numberFor(shadow, "radius"));
  layer.setShadowOffset({numberFor(shadow, "x"), numberFor(shadow, "y")});
  layer.setShadowOpacity(1.0);
  layer.setMasksToBounds(false);

  // Wraps around rather than overflowing for tags near the top of the range.
  const auto innerTag = static_cast<std::int32_t>(static_cast<std::int64_t>(tag) + kInnerViewTagOffset);
  auto innerView = createUIViewForView(*inner, innerTag, wrapper->bounds());
  innerView->setUserInteractionEnabled(false);
  wrapper->addSubview(innerView);
  addInnerShadow(*innerView, options);
  return wrapper;
}

void ElementFactory::addInnerShadow(platform::ui::View& view, const Value& options) {
  if (!hasKey(options, "innerShadow")) return;
  const Value& shadow = valueFor(options, "innerShadow");
  const std::optional<std::string> color = stringFor(shadow, "color");
  if (!color || *color == "rgba(0,0,0,0)" || *color == "rgba(0, 0, 0, 0.0)") return;
  const double radius = numberFor(shadow, "radius");
  const double cornerRadius = numberFor(options, "cornerRadius");
  const double borderWidth = numberFor(options, "borderWidth");

  auto overlay = platform::ui::View::make(view.bounds());
  overlay->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0});
  overlay->setUserInteractionEnabled(false);
  overlay->setAutoresizingMask(platform::ui::Autoresizing::flexibleWidth | platform::ui::Autoresizing::flexibleHeight);

  // A black frame around the inside of the view casts its shadow inwards; the mask keeps only
  // what falls inside the hole, so the frame itself never shows.
  const Rect hole = insetBy(view.bounds(), borderWidth);
  const double holeRadius = cornerRadius > borderWidth ? cornerRadius - borderWidth : 0;
  platform::graphics::Path frame;
  frame.addRect(insetBy(hole, -2 * radius));
  frame.addRoundedRect(hole, holeRadius);

  auto shadowLayer = platform::ui::ShapeLayer::make();
  shadowLayer->setFrame(overlay->bounds());
  shadowLayer->setPath(frame);
  shadowLayer->setFillRule(platform::ui::FillRule::evenOdd);
  shadowLayer->setShadowColor(colorFor(shadow, "color"));
  shadowLayer->setShadowOffset({numberFor(shadow, "x"), numberFor(shadow, "y")});
  shadowLayer->setShadowOpacity(1.0);
  shadowLayer->setShadowRadius(radius);
  shadowLayer->setFillColor(platform::graphics::Color{0, 0, 0, 1});

  auto mask = platform::ui::ShapeLayer::make();
  mask->setFrame(overlay->bounds());
  platform::graphics::Path holePath;
  holePath.addRoundedRect(hole, holeRadius);
  mask->setPath(holePath);
  shadowLayer->setMask(mask);

  overlay->layer()->addSublayer(shadowLayer);
  view.insertSubview(overlay, 0);
}

}  // namespace vantile
