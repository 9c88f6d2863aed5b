// Builders of the elements that show a level: the ring, the battery icon and the bars. Each
// starts at a fixed level and marks the part that shows it for the host.
#include <cmath>
#include <numbers>

#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/graphics/Path.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
using platform::ui::ShapeLayer;
using namespace conventions;

// The fill starts this much narrower than the bar, until the host sets the level.
constexpr double kStartingFillShortfall = 20;
constexpr double kStartingRingLevel = 0.75;

std::shared_ptr<platform::ui::View> containerFor(const Value& options, const Rect& referenceRect) {
  auto container = platform::ui::View::make();
  container->setFrame(frameFor(options, referenceRect));
  return container;
}

// Integer half, cut toward zero.
double half(double whole) { return std::trunc(whole / 2); }

std::shared_ptr<ShapeLayer> ringLayer(const platform::graphics::Path& path, const Rect& bounds, double lineWidth,
                                      double strokeEnd) {
  auto ring = ShapeLayer::make();
  ring->setBounds(bounds);
  ring->setFillColor(std::nullopt);
  ring->setStrokeStart(0);
  ring->setStrokeEnd(strokeEnd);
  ring->setPath(path);
  ring->setLineWidth(lineWidth);
  ring->setMasksToBounds(false);
  ring->setLineCap(platform::ui::LineCap::round);
  return ring;
}

std::shared_ptr<platform::ui::View> roundedPart(const Rect& frame, std::optional<platform::graphics::Color> background,
                                                double cornerRadius) {
  auto part = platform::ui::View::make(frame);
  part->setBackgroundColor(background);
  part->layer()->setCornerRadius(cornerRadius);
  part->setClipsToBounds(true);
  return part;
}

void applyFillPattern(platform::ui::View& fill, const Value& options) {
  const std::optional<std::string> name = stringFor(options, "gradientImage");
  if (!name || *name == "none") return;
  if (auto image = assetImage(*name)) {
    fill.setBackgroundPattern(std::move(image));
  } else {
    // A pattern colour without an image paints nothing.
    fill.setBackgroundColor(std::nullopt);
  }
}

enum class BarKind { battery, progress };

std::shared_ptr<platform::ui::View> makeBar(const Value& options, std::int32_t tag, const Rect& referenceRect,
                                            BarKind kind) {
  auto container = containerFor(options, referenceRect);
  const double width = container->frame().width();
  const double height = container->frame().height();
  const double radius = numberFor(options, "radius");
  auto track = roundedPart({0, 0, width, height}, colorFor(options, "backColor"), radius);
  auto fill = roundedPart({0, 0, width - kStartingFillShortfall, height}, colorFor(options, "innerColor"), radius);
  fill->setTag(kind == BarKind::progress ? innerViewTags::progressBarFill : innerViewTags::levelBarFill);
  if (kind == BarKind::progress) applyFillPattern(*fill, options);
  container->addSubview(track);
  container->addSubview(fill);

  // The border grows the element outward, to the right and down, around the bar.
  if (hasKey(options, "borderWidth")) {
    const double border = numberFor(options, "borderWidth");
    const Rect frame = container->frame();
    container->setFrame({frame.x(), frame.y(), frame.width() + 2 * border, frame.height() + 2 * border});
    for (const auto& part : {track, fill}) {
      part->setFrame({border, border, part->frame().width(), part->frame().height()});
    }
    container->layer()->setCornerRadius(radius + border + 1);
    container->layer()->setBorderColor(colorFor(options, "borderColor"));
    container->layer()->setBorderWidth(border);
  }
  if (kind == BarKind::battery) applyFillPattern(*fill, options);
  container->setTag(tag);
  if (kind == BarKind::battery) container->setUserInteractionEnabled(false);
  return container;
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createCircleProgressForView(const Value& options,
                                                                                std::int32_t tag,
                                                                                const Rect& referenceRect) {
  auto container = containerFor(options, referenceRect);
  if (hasKey(options, "alpha")) container->setAlpha(numberFor(options, "alpha"));
  const double lineWidth = std::trunc(numberFor(options, "ringWidth"));
  const double width = container->frame().width();
  const double height = container->frame().height();
  auto ringView = platform::ui::View::make({0, 0, width, height});

  // Drawn from the top, clockwise once round. The layers keep their default position (the
  // ring view's origin), which moves the path back by half the element's size.
  platform::graphics::Path circle;
  circle.addArc({2 * half(width), 2 * half(height)}, half(width), -std::numbers::pi / 2, 3 * std::numbers::pi / 2,
                true);
  const Rect bounds{0, 0, width, height};

  if (stringFor(options, "ringBackground") == "YES") {
    auto background = ringLayer(circle, bounds, lineWidth, 1);
    background->setStrokeColor(colorFor(options, "ringBackgroundColor"));
    ringView->layer()->addSublayer(background);
  }
  auto progress = ringLayer(circle, bounds, lineWidth, kStartingRingLevel);
  progress->setName("progressLayer");
  ringView->layer()->addSublayer(progress);
  const std::optional<std::string> cap = stringFor(options, "ringCap");
  if (cap == "square") progress->setLineCap(platform::ui::LineCap::square);
  if (cap == "butt") progress->setLineCap(platform::ui::LineCap::butt);
  progress->setStrokeColor(colorFor(options, "ringColor"));

  container->addSubview(ringView);
  container->setTag(tag);
  container->setUserInteractionEnabled(false);
  return container;
}

std::shared_ptr<platform::ui::View> ElementFactory::createBatteryIconForView(const Value& options, std::int32_t tag,
                                                                             const Rect& referenceRect) {
  auto container = containerFor(options, referenceRect);
  const auto backColor = colorFor(options, "backColor");
  const double radius = numberFor(options, "radius");
  const double width = container->frame().width();
  const double height = container->frame().height();

  auto outline = roundedPart({0, 0, width, height}, platform::graphics::Color{0, 0, 0, 0}, radius);
  outline->layer()->setBorderColor(backColor);
  outline->layer()->setBorderWidth(1.0);

  // Reaches 2 points beyond the element's right edge.
  auto tip = roundedPart({width - 1, 0, 3, std::floor(height / 2)}, backColor, 2.0);
  tip->setCenter({tip->center().x, height / 2});

  auto fill = roundedPart({0, 0, width - kStartingFillShortfall, height}, colorFor(options, "innerColor"), radius);
  fill->setTag(innerViewTags::batteryIconFill);

  container->addSubview(fill);
  container->addSubview(outline);
  container->addSubview(tip);
  container->setTag(tag);
  container->setUserInteractionEnabled(false);
  return container;
}

std::shared_ptr<platform::ui::View> ElementFactory::createBatteryBarForView(const Value& options, std::int32_t tag,
                                                                            const Rect& referenceRect) {
  return makeBar(options, tag, referenceRect, BarKind::battery);
}

std::shared_ptr<platform::ui::View> ElementFactory::createElapsedBarForView(const Value& options, std::int32_t tag,
                                                                            const Rect& referenceRect) {
  return makeBar(options, tag, referenceRect, BarKind::battery);
}

std::shared_ptr<platform::ui::View> ElementFactory::createProgressBarForView(const Value& options, std::int32_t tag,
                                                                             const Rect& referenceRect) {
  return makeBar(options, tag, referenceRect, BarKind::progress);
}

}  // namespace vantile
