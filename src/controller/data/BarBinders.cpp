// The data pass's bars and rings: battery icons and bars, progress bars with their value
// sources and colour bands, and progress rings.
#include <cmath>

#include "controller/VantileController.h"
#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/views/View.h"
#include "providers/VantileDates.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;

constexpr Color kClear{0, 0, 0, 0};

enum class Gauge { bar, ring };

float numberIn(const Value& weather, const char* key) {
  if (!weather.is_object()) return 0;
  const auto found = weather.find(key);
  return found == weather.end() ? 0 : foundation::floatValue(*found);
}

// v = the value's "%@" text as a real, 0 when there is none.
float textNumber(const std::function<std::string()>& source) {
  return source ? foundation::floatValue(source()) : 0;
}

// Where a progress bar or a ring takes its value from (100 is full); nothing for a name that
// this gauge does not know.
std::optional<float> sourceValue(const TokenProviders& providers, std::string_view name, Gauge gauge) {
  if (gauge == Gauge::bar) {
    if (name == "percentleftinyear") return foundation::floatValue(VantileDates::percentLeftInYear());
    if (name == "percentyearprogress") return foundation::floatValue(VantileDates::percentYearProgress());
    if (name == "percentleftinmonth") return foundation::floatValue(VantileDates::percentLeftInMonth());
    if (name == "percentmonthprogress") return foundation::floatValue(VantileDates::percentMonthProgress());
  }
  if (name == "batteryValue") return providers.batteryAsInt ? static_cast<float>(providers.batteryAsInt()) : 0.0F;
  if (name == "signalValue") return textNumber(providers.signalpercent);
  if (name == "wifiValue") return textNumber(providers.wifipercent);
  const char* weatherKey = nullptr;
  if (name == "tempValue") weatherKey = "temperature";
  if (name == "humidityValue") weatherKey = "humidity";
  if (name == "moonBrightness") weatherKey = "moonBrightness";
  if (gauge == Gauge::ring && name == "windValue") weatherKey = "windspeed";
  if (weatherKey == nullptr) return std::nullopt;
  return numberIn(providers.getWeatherInfo ? providers.getWeatherInfo() : Value(), weatherKey);
}

// A value equal to either bound takes the normal colour.
std::optional<Color> progressBandColor(const Value& element, float value) {
  const auto low = static_cast<float>(foundation::intValue(stringFor(element, "lowValue").value_or("")));
  const auto mid = static_cast<float>(foundation::intValue(stringFor(element, "midValue").value_or("")));
  if (value > low && value < mid) return colorFor(element, "midColor");
  if (value < low) return colorFor(element, "lowColor");
  return colorFor(element, "innerColor");
}

}  // namespace

void VantileController::updateBatteryIconData(const Value& element, platform::ui::View& view) {
  updateBatteryIcon(element, view);
}

void VantileController::updateBatteryBarData(const Value& element, const std::shared_ptr<platform::ui::View>& view) {
  updateBatteryBar(element, *view);
  checkIfViewFollows(element, view);
}

void VantileController::updateProgressBarData(const Value& element, platform::ui::View& view) {
  const auto fill = view.viewWithTag(innerViewTags::progressBarFill);
  if (!fill || fill.get() == &view) return;
  const float value =
      sourceValue(providers, stringFor(element, "progressValue").value_or(""), Gauge::bar).value_or(100.0F);
  const auto superview = view.superview();
  const float width = std::trunc(frameFor(element, superview ? superview->bounds() : platform::graphics::Rect{}).width());
  platform::graphics::Rect frame = fill->frame();
  frame.size.width = std::trunc(value) / 100.0F * width;
  fill->setFrame(frame);
  fill->setBackgroundColor(progressBandColor(element, value).value_or(kClear));
  if (const auto gradient = stringFor(element, "gradientImage"); gradient && *gradient != "none") {
    if (auto image = assetImage(*gradient)) fill->setBackgroundPattern(std::move(image));
  }
}

void VantileController::updateCircleProgress(const Value& element, platform::ui::View& view) {
  const std::string name = stringFor(element, "ringValue").value_or("");
  // The every-second pass keeps a ring that follows the music.
  if (name == "musicElapsedValue") return;
  const double end = sourceValue(providers, name, Gauge::ring).value_or(0.0F) / 100.0F;
  for (const auto& layer : view.layer()->sublayers()) {
    for (const auto& sublayer : layer->sublayers()) {
      auto* ring = dynamic_cast<platform::ui::ShapeLayer*>(sublayer.get());
      if (ring != nullptr && sublayer->name() == "progressLayer") ring->setStrokeEnd(end);
    }
  }
}

}  // namespace vantile
