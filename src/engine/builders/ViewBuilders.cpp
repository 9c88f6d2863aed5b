// The builders of plain views, labels and scroll views.
#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/builders/EndlessScrollMarkers.h"
#include "engine/builders/LabelPropertyPass.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/views/BlurIntensity.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
namespace foundation = platform::foundation;
using namespace conventions;

// A scroll view's size or offset value: "screen_width" / "screen_height" stand for the parent's
// size, and "math(" text is evaluated; any other value gives its number.
double sizeExpression(const Value& value, const Rect& referenceRect) {
  if (!value.is_string()) return foundation::doubleValue(value);
  std::string text = value.get<std::string>();
  text = foundation::replacingOccurrences(text, "screen_width", foundation::formatFixed(referenceRect.width()));
  text = foundation::replacingOccurrences(text, "screen_height", foundation::formatFixed(referenceRect.height()));
  if (foundation::contains(text, "math(")) return VantileHelpers::doMathWithString(text);
  return foundation::doubleValue(text);
}

platform::graphics::Size contentSizeFor(const Value& options, const platform::ui::ScrollView& scrollView,
                                        const Rect& referenceRect) {
  if (hasKey(options, "contentSize")) {
    const Value& size = valueFor(options, "contentSize");
    return {sizeExpression(valueFor(size, "width"), referenceRect),
            sizeExpression(valueFor(size, "height"), referenceRect)};
  }
  if (hasKey(options, "contentWidth") && hasKey(options, "contentHeight")) {
    return {numberFor(options, "contentWidth"), numberFor(options, "contentHeight")};
  }
  return scrollView.frame().size;
}


}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createUIViewForView(const Value& options, std::int32_t tag,
                                                                        const Rect& referenceRect) {
  auto view = platform::ui::View::make();
  view->setFrame(frameFor(options, referenceRect));
  applyBorder(*view, options);

  // Every element carries its blur view, invisible while its alpha is 0.
  const double blurAlpha = numberFor(options, "blurAlpha");
  auto blur = platform::ui::BlurView::make(blurStyleFor(options), view->bounds());
  blur->setAlpha(blurAlpha);
  if (hasKey(options, "blurIntensity")) setIntensity(*blur, static_cast<float>(numberFor(options, "blurIntensity")));
  view->addSubview(blur);

  if (hasKey(options, "backgroundColor") && blurAlpha <= 0) view->setBackgroundColor(colorFor(options, "backgroundColor"));
  if (const std::int32_t cornerRadius = foundation::intValue(valueFor(options, "cornerRadius")); cornerRadius >= 1) {
    view->layer()->setCornerRadius(cornerRadius);
    view->setClipsToBounds(true);
  }
  const auto transform = scaleAndRotation(numberFor(options, "rotate"), numberFor(options, "scale"));
  if (hasKey(options, "alpha")) view->setAlpha(numberFor(options, "alpha"));
  view->setTransform(transform);
  applyBoxShadow(*view, options);
  view->setTag(tag);
  applyMaskImage(*view, options);
  if (stringFor(options, "userInteraction") == "NO") view->setUserInteractionEnabled(false);
  return view;
}

std::shared_ptr<platform::ui::View> ElementFactory::createUILabelForView(const Value& options, std::int32_t tag,
                                                                         const Rect& referenceRect) {
  auto label = platform::ui::Label::make();
  label->setFrame(frameFor(options, referenceRect));
  applyLabelBuildSteps(*label, options, tag, "Setting Label");
  if (hasKey(options, "alpha")) label->setAlpha(numberFor(options, "alpha"));
  return label;
}

std::shared_ptr<platform::ui::View> ElementFactory::createScrollViewForView(const Value& options, std::int32_t tag,
                                                                            const Rect& referenceRect) {
  auto scrollView = platform::ui::ScrollView::make(frameFor(options, referenceRect));
  scrollView->setShowsHorizontalScrollIndicator(false);
  scrollView->setShowsVerticalScrollIndicator(false);
  scrollView->setUserInteractionEnabled(true);
  scrollView->setTag(tag);
  scrollView->setBackgroundColor(colorFor(options, "backgroundColor"));

  scrollView->setContentSize(contentSizeFor(options, *scrollView, referenceRect));
  if (hasKey(options, "initialOffset")) {
    const Value& offset = valueFor(options, "initialOffset");
    scrollView->setContentOffset(
        {sizeExpression(valueFor(offset, "x"), referenceRect), sizeExpression(valueFor(offset, "y"), referenceRect)},
        false);
  }
  if (const auto axes = stringFor(options, "infiniteScroll"); axes && *axes != "none") {
    endless::tripleContent(*scrollView, *axes, scrollView->contentSize());
  }
  return scrollView;
}

}  // namespace vantile
