#pragma once

#include <functional>
#include <memory>

#include "integration/charging/ChargingAnimation.h"
#include "platform/graphics/Geometry.h"
#include "platform/objc/Object.h"
#include "platform/ui/gestures/Event.h"
#include "platform/ui/views/View.h"

namespace vantile::integration {

// Work of the tweak that the web widget host, the charging animation, the weather provider and
// the controller's touch handling provide. They fill these in (the charging animation's are
// filled from the start); an empty one does nothing.
struct IntegrationHooks {
  // Web widget host.
  std::function<void()> loadNewURL;
  std::function<void(const std::shared_ptr<platform::ui::View>& themeView)> loadWKService;
  std::function<void()> updateWebViews;
  // Charging animation.
  std::function<void()> showChargingAnimation = integration::showChargingAnimation;
  std::function<void()> showChargingAnimationAfterWake = integration::showChargingAnimationAfterWake;
  // Weather provider.
  std::function<void(bool enabled)> setWeatherEnabled;
  std::function<void(const std::shared_ptr<platform::objc::Object>& forecastModel)> parseModel;
  // The theme controller's touch handling (point, event, theme offset, touched view).
  using TouchCheck = std::function<void(platform::graphics::Point point, const platform::ui::Event* event,
                                        platform::graphics::Point offset,
                                        const std::shared_ptr<platform::ui::View>& touchedView)>;
  TouchCheck checkLSTouch;
  TouchCheck checkSBTouch;
};

}  // namespace vantile::integration
