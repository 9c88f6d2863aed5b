#include <gtest/gtest.h>

#include "engine/views/BlurIntensity.h"
#include "platform/ui/views/BlurView.h"
#include "platform/ui/render/Renderer.h"

namespace vantile {
namespace {

using platform::Value;
using platform::ui::BlurStyle;
using platform::ui::BlurView;

Value requestedRadius(const BlurView& view) {
  return view.currentEffectDescriptor().filterEntries.at(0).requestedValues.at("inputRadius");
}

TEST(BlurIntensity, StoresTheRadiusUnroundedAndAppliesIt) {
  auto view = BlurView::make(BlurStyle::light, {0, 0, 40, 40});
  setIntensity(*view, 12.5f);
  EXPECT_EQ(requestedRadius(*view), Value(12.5));
  EXPECT_EQ(intensity(*view), 12.5f);
  EXPECT_EQ(view->blurRadius(), 12.5) << "the backdrop applies it";
  EXPECT_EQ(view->effect().style, BlurStyle::light) << "the effect stays";
}

TEST(BlurIntensity, PassesANegativeRadiusOnWhichDrawsAsNoBlur) {
  auto view = BlurView::make(BlurStyle::dark, {0, 0, 40, 40});
  setIntensity(*view, -4);
  EXPECT_EQ(intensity(*view), -4);
  EXPECT_EQ(view->blurRadius(), 0);
  EXPECT_TRUE(platform::ui::snapshot(*view, 1));
}

TEST(BlurIntensity, ReadsZeroWithoutAGaussianBlurFilter) {
  auto view = BlurView::make(BlurStyle::dark, {0, 0, 40, 40});
  view->setCurrentEffectDescriptor({{{"colorTint", Value{{"inputRadius", 9}}}}});
  view->applyRequestedFilterEffects();
  EXPECT_EQ(intensity(*view), 0);

  view->setCurrentEffectDescriptor({{{"colorTint", Value::object()}, {"gaussianBlur", Value{{"inputRadius", "9"}}}}});
  view->applyRequestedFilterEffects();
  EXPECT_EQ(intensity(*view), 0) << "a radius that is no number";
  EXPECT_EQ(view->blurRadius(), 0);
}

}  // namespace
}  // namespace vantile
