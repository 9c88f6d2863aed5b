// The editor's previews of bars and weather icons: fixed values in place of live device data.
#include "controller/VantileController.h"
#include "editor/CreatorView.h"
#include "editor/data/CreatorData.h"
#include "editor/styling/PreviewBars.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;
namespace foundation = platform::foundation;
namespace ui = platform::ui;

std::optional<platform::graphics::Color> fillColor(const Value& element, std::string_view type) {
  if (type != "ProgressBar") return colorFor(element, "innerColor");
  const std::int32_t lowValue = foundation::intValue(valueFor(element, "lowValue"));
  const std::int32_t midValue = foundation::intValue(valueFor(element, "midValue"));
  return colorFor(element, previewbars::progressColorKey(lowValue, midValue));
}

}  // namespace

void CreatorView::updateBarPreview(const Value& element, ui::View& view, std::string_view type) const {
  const std::optional<previewbars::BarPreview> preview = previewbars::barPreviewFor(type);
  if (!preview || !creatorView) return;
  const auto fill = view.viewWithTag(preview->fillTag);
  if (!fill) return;
  // Against the canvas, also for a bar inside a container.
  const double barWidth = frameFor(element, creatorView->bounds()).width();
  platform::graphics::Rect frame = fill->frame();
  frame.size.width = previewbars::fillWidth(preview->value, barWidth);
  fill->setFrame(frame);
  fill->setBackgroundColor(fillColor(element, type));
  if (!preview->readsGradient) return;
  const std::optional<std::string> gradient = stringFor(element, "gradientImage");
  if (!gradient || *gradient == "none") return;
  if (auto image = assetImage(*gradient)) fill->setBackgroundPattern(std::move(image));
}

void CreatorView::updateWeatherIconPreview(const Value& element, ui::View& view) const {
  auto* imageView = dynamic_cast<ui::ImageView*>(&view);
  if (imageView == nullptr) return;
  std::string code = CreatorData::value("conditionCode").value_or("");
  if (const std::optional<std::string> forecast = stringFor(element, "forecast");
      forecast && foundation::contains(*forecast, "day")) {
    // A slot without a preview keeps the current condition.
    if (std::optional<std::string> slotCode = CreatorData::value(*forecast + "icon")) code = std::move(*slotCode);
  }
  const std::string file = "weatherIcons/" + stringFor(element, "iconSet").value_or("(null)") + "/" + code + ".png";
  imageView->setImage(VantileController::changeColorIfNeeded(element, assetImage(file)));
}

}  // namespace vantile
