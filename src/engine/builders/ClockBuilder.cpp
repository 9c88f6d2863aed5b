// The analog clock: a running `ClockView` with the element's face and hand pictures.
#include "engine/views/ClockView.h"
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;

// A missing key or unreadable file gives nothing, and the clock draws its own part.
std::optional<platform::graphics::Image> clockPicture(const Value& options, std::string_view key) {
  const std::optional<std::string> name = stringFor(options, key);
  return name ? assetImage(*name) : std::nullopt;
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createAnalogClockForView(
    const Value& options, std::int32_t tag, const platform::graphics::Rect& referenceRect) {
  auto clock = ClockView::make(frameFor(options, referenceRect));
  clock->setClockBackgroundImage(clockPicture(options, "backgroundImage"));
  clock->setHourHandImage(clockPicture(options, "hourImage"));
  clock->setMinHandImage(clockPicture(options, "minuteImage"));
  clock->setSecHandImage(clockPicture(options, "secondImage"));
  clock->setSecHandContinuos(false);
  clock->start();

  // Scaled about its centre after `start`, so the hands keep the geometry of the full frame.
  const auto transform = scaleAndRotation(0, numberFor(options, "scale"));
  if (hasKey(options, "alpha")) clock->setAlpha(numberFor(options, "alpha"));
  clock->setTransform(transform);
  clock->setTag(tag);
  return clock;
}

}  // namespace vantile
