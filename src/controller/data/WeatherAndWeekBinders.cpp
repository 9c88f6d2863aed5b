// The data pass's weather icons (with their tinting) and week widgets.
#include "controller/VantileController.h"
#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

constexpr Color kClear{0, 0, 0, 0};

// The widget's own view carries the same tag as its row of days, so the row is searched below it.
std::shared_ptr<platform::ui::View> weekRow(platform::ui::View& widget) {
  for (const auto& subview : widget.subviews()) {
    if (auto found = subview->viewWithTag(innerViewTags::weekRow)) return found;
  }
  return nullptr;
}

std::optional<std::string> weatherEntry(const Value& weather, const std::string& key) {
  if (!weather.is_object()) return std::nullopt;
  const auto found = weather.find(key);
  if (found == weather.end() || found->is_null()) return std::nullopt;
  return foundation::description(*found);
}

}  // namespace

void VantileController::updateWeatherIconData(const Value& element, platform::ui::ImageView& view) {
  view.setImage(getCorrectWeatherIconImage(element));
}

std::optional<platform::graphics::Image> VantileController::getCorrectWeatherIconImage(const Value& element) {
  const Value weather = providers.getWeatherInfo ? providers.getWeatherInfo() : Value();
  std::optional<std::string> code = weatherEntry(weather, "conditionCode");
  if (!code && providers.checkIfWeatherNeedsUpdating) providers.checkIfWeatherNeedsUpdating();
  const std::string forecast = stringFor(element, "forecast").value_or("");
  // A slot the forecast does not hold ("today" holds "day" too) keeps the current condition.
  if (foundation::contains(forecast, "day") || foundation::contains(forecast, "hour")) {
    if (auto slot = weatherEntry(weather, forecast + "icon")) code = std::move(slot);
  }
  // A missing code reads the picture "(null).png", as the address is written with it.
  std::string name = "weatherIcons/";
  name.append(stringFor(element, "iconSet").value_or("(null)")).append("/").append(code.value_or("(null)"));
  name.append(".png");
  return changeColorIfNeeded(element, assetImage(name));
}

std::optional<platform::graphics::Image> VantileController::changeColorIfNeeded(
    const Value& element, std::optional<platform::graphics::Image> image) {
  const std::optional<Color> color = colorFor(element, "imageColor");
  if (!color) return image;
  if (stringFor(element, "imageIsBlack") != "YES") image = inverseColor(image);
  return changeImage(image, *color);
}

void VantileController::updateWeekWidgetData(const Value& element, const std::shared_ptr<platform::ui::View>& view) {
  const auto days = weekRow(*view);
  if (!days) return;
  const foundation::TimeStamp now = foundation::MainQueue::shared().now();
  const std::optional<std::string> dayName = foundation::formatDate(now, "EEEE");
  const std::optional<foundation::CalendarDate> date = foundation::calendarDate(now);
  if (!dayName || dayName->empty() || !date) return;
  const std::string letter = setTextStyle("lowercase", dayName->substr(0, 1));
  // Letters repeat (Tuesday, Thursday); the layer name tells the days apart.
  const std::string index = std::to_string(date->weekday - 1);

  for (const auto& subview : days->subviews()) {
    const auto label = std::dynamic_pointer_cast<platform::ui::Label>(subview);
    if (!label) continue;
    label->layer()->setBorderColor(kClear);
    label->setTag(innerViewTags::otherDayLabel);
    const auto& layerName = label->layer()->name();
    if (label->text().empty() || !layerName) continue;
    if (setTextStyle("lowercase", label->text()) == letter && *layerName == index) {
      label->layer()->setBorderColor(colorFor(element, "selectColor").value_or(kClear));
      label->setTag(innerViewTags::todayLabel);
      checkIfViewFollows(element, view);
    }
  }
}

}  // namespace vantile
