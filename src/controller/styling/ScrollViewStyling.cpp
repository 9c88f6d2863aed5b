// The styling pass's steps for scroll views: paging, content size, endless content and the
// starting offset, then scale, alpha and corner radius.
#include "controller/styling/ScrollViewStyling.h"

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/builders/EndlessScrollMarkers.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::AffineTransform;
using platform::graphics::Size;
using namespace conventions;
namespace foundation = platform::foundation;

std::string lowercased(std::string text) {
  for (char& character : text) {
    if (character >= 'A' && character <= 'Z') character = static_cast<char>(character - 'A' + 'a');
  }
  return text;
}

}  // namespace

double scrollstyling::scrollMeasure(const Value& value, Size screen) {
  if (!value.is_string()) return foundation::doubleValue(value);
  std::string text = value.get<std::string>();
  text = foundation::replacingOccurrences(text, "screen_width", foundation::formatFixed(screen.width));
  text = foundation::replacingOccurrences(text, "screen_height", foundation::formatFixed(screen.height));
  if (foundation::contains(text, "math(")) return VantileHelpers::doMathWithString(text);
  return foundation::doubleValue(text);
}

void scrollstyling::styleScrollView(platform::ui::ScrollView& scrollView, const Value& element, Size screen,
                                    const std::shared_ptr<platform::ui::ScrollViewDelegate>& endlessDelegate) {
  scrollView.setPagingEnabled(false);
  const bool declaresContentSize = hasKey(element, "contentSize");
  if (declaresContentSize) {
    const Value& size = valueFor(element, "contentSize");
    scrollView.setContentSize({scrollMeasure(valueFor(size, "width"), screen), scrollMeasure(valueFor(size, "height"), screen)});
  }
  if (const auto pagination = stringFor(element, "pagination"); pagination && lowercased(*pagination) == "yes") {
    scrollView.setPagingEnabled(true);
  }

  const std::optional<std::string> axes = stringFor(element, "infiniteScroll");
  const bool endless = axes && *axes != "none";
  if (endless) {
    scrollView.setDelegate(endlessDelegate);
    // Content already tripled (by the builder or an earlier pass) is tripled again only from
    // its recorded single copy.
    Size original = scrollView.contentSize();
    if (const auto markers = endless::markersOf(*scrollView.layer()); markers && !declaresContentSize) {
      original = {markers->originalWidth, markers->originalHeight};
    }
    endless::tripleContent(scrollView, *axes, original);
  }

  if (hasKey(element, "initialOffset")) {
    const Value& offset = valueFor(element, "initialOffset");
    double x = scrollMeasure(valueFor(offset, "x"), screen);
    double y = scrollMeasure(valueFor(offset, "y"), screen);
    if (endless) {
      const auto& layer = *scrollView.layer();
      const double originalWidth = foundation::doubleValue(layer.value("originalWidth").value_or(Value()));
      const double originalHeight = foundation::doubleValue(layer.value("originalHeight").value_or(Value()));
      if (*axes == "horizontal" || *axes == "both") x += originalWidth;
      if (*axes == "vertical" || *axes == "both") y += originalHeight;
    }
    scrollView.setContentOffset({x, y}, false);
  }

  if (const double scale = foundation::floatValue(valueFor(element, "scale")); scale != 0) {
    const AffineTransform target = AffineTransform::identity().scaledBy(scale, scale);
    if (scrollView.transform() != target) scrollView.setTransform(target);
  }
  if (hasKey(element, "alpha")) scrollView.setAlpha(numberFor(element, "alpha"));
  if (hasKey(element, "cornerRadius")) scrollView.layer()->setCornerRadius(numberFor(element, "cornerRadius"));
}

double VantileController::scrollMeasure(const Value& value) const {
  return scrollstyling::scrollMeasure(value, screenRect.size);
}

void VantileController::styleScrollView(platform::ui::ScrollView& scrollView, const Value& element) {
  scrollstyling::styleScrollView(scrollView, element, screenRect.size, endlessScrollDelegate());
}

}  // namespace vantile
