// The styling pass's updates of battery fills, elapsed bars and week widgets.
#include <cmath>

#include "controller/VantileController.h"
#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

constexpr Color kClear{0, 0, 0, 0};

// 20 itself and 50 upwards take the normal colour.
std::optional<Color> batteryBandColor(const Value& element, std::int32_t level) {
  if (level >= 21 && level <= 49) return colorFor(element, "midColor");
  if (level < 20) return colorFor(element, "lowColor");
  return colorFor(element, "innerColor");
}

// A readable "gradientImage" replaces the fill's colour with its pattern.
void applyGradientFill(platform::ui::View& fill, const Value& element) {
  const std::optional<std::string> name = stringFor(element, "gradientImage");
  if (!name || *name == "none") return;
  if (auto image = assetImage(*name)) fill.setBackgroundPattern(std::move(image));
}

std::shared_ptr<platform::ui::View> descendantWithTag(platform::ui::View& view, std::int64_t tag) {
  for (const auto& subview : view.subviews()) {
    if (auto found = subview->viewWithTag(tag)) return found;
  }
  return nullptr;
}

}  // namespace

void VantileController::updateBatteryFill(const Value& element, platform::ui::View& view, bool withGradient) {
  const auto fill = view.viewWithTag(withGradient ? innerViewTags::levelBarFill : innerViewTags::batteryIconFill);
  if (!fill || fill.get() == &view || !providers.batteryAsInt) return;
  const std::int32_t level = providers.batteryAsInt();
  const auto superview = view.superview();
  const platform::graphics::Rect reference = superview ? superview->bounds() : platform::graphics::Rect{};
  const double width = std::trunc(frameFor(element, reference).width());
  platform::graphics::Rect frame = fill->frame();
  frame.size.width = level / 100.0 * width;
  fill->setFrame(frame);
  fill->setBackgroundColor(batteryBandColor(element, level).value_or(kClear));
  if (withGradient) applyGradientFill(*fill, element);
}

void VantileController::updateBatteryIcon(const Value& element, platform::ui::View& view) {
  updateBatteryFill(element, view, false);
}

void VantileController::updateBatteryBar(const Value& element, platform::ui::View& view) {
  updateBatteryFill(element, view, true);
}

void VantileController::updateElapsedBar(const Value& element, platform::ui::View& view) {
  const auto fill = view.viewWithTag(innerViewTags::levelBarFill);
  if (!fill) return;
  platform::graphics::Rect frame = fill->frame();
  frame.size.width = 0;  // the tick grows it with the music
  fill->setFrame(frame);
  fill->setBackgroundColor(colorFor(element, "innerColor"));
  applyGradientFill(*fill, element);
}

void VantileController::updateWeekWidget(const Value& element, platform::ui::View& view) {
  // The widget's own view carries the same tag as its row of days.
  const auto days = descendantWithTag(view, innerViewTags::weekRow);
  if (!days) return;
  const foundation::TimeStamp now = foundation::MainQueue::shared().now();
  const std::optional<std::string> dayName = foundation::formatDate(now, "EEEE");
  const std::optional<foundation::CalendarDate> date = foundation::calendarDate(now);
  if (!dayName || dayName->empty() || !date) return;
  const std::string dayLetter = setTextStyle("lowercase", dayName->substr(0, 1));
  // Letters repeat (Tuesday, Thursday); the index tells them apart.
  const std::string dayIndex = std::to_string(date->weekday - 1);
  const std::optional<Color> selectColor = colorFor(element, "selectColor");

  for (const auto& subview : days->subviews()) {
    const auto label = std::dynamic_pointer_cast<platform::ui::Label>(subview);
    if (!label) continue;
    label->layer()->setBorderColor(kClear);
    const auto& layerName = label->layer()->name();
    if (!label->text().empty() && layerName && setTextStyle("lowercase", label->text()) == dayLetter &&
        *layerName == dayIndex) {
      label->layer()->setBorderColor(selectColor);
    }
  }
}

}  // namespace vantile
