// The scrolling label: a `MarqueeLabel` set up like a plain label, plus its scroll settings.
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/builders/LabelPropertyPass.h"
#include "engine/marquee/MarqueeLabel.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;

constexpr double kInitialRate = 30;
constexpr double kInitialFadeLength = 10;
// The platform's linear view-animation curve (curve 3 shifted left by 16).
constexpr unsigned kLinearCurve = 0x30000;

// "Continuous" loops leftwards, "ContinuousRev" rightwards; anything else goes there and back.
unsigned marqueeTypeFor(const Value& options) {
  const std::optional<std::string> scrollType = stringFor(options, "scrollType");
  if (scrollType == "Continuous") return 2;
  if (scrollType == "ContinuousRev") return 3;
  return 0;
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createMarqueeLabelForView(
    const Value& options, std::int32_t tag, const platform::graphics::Rect& referenceRect) {
  auto label = MarqueeLabel::makeWithRate(frameFor(options, referenceRect), kInitialRate, kInitialFadeLength);
  label->setMarqueeType(marqueeTypeFor(options));
  label->setRate(numberFor(options, "animationSpeed"));
  label->setFadeLength(numberFor(options, "fadeEdgesAmount"));
  label->setAnimationDelay(numberFor(options, "animationDelay"));
  label->setAnimationCurve(kLinearCurve);
  // One line, truncated at the tail: the platform label's own way with text that does not fit.
  label->setNumberOfLines(1);
  label->setBackgroundColor(platform::graphics::Color{0, 0, 0, 0});
  label->setTextAlignment(platform::ui::TextAlignment::center);

  applyLabelBuildSteps(*label, options, tag, "Setting MarqueeLabel");
  label->setUserInteractionEnabled(false);
  return label;
}

}  // namespace vantile
