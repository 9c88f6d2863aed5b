#include <algorithm>

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
using platform::ui::DeviceOrientation;
using platform::ui::View;

namespace {

constexpr double kIconRefreshDelay = 2.0;

bool holdsChildren(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

}  // namespace

void VantileController::registerDarwinObservers() {
  auto& center = platform::foundation::DarwinNotificationCenter::shared();
  darwinObservations_.push_back(
      center.addObserver("com.spark.snowboard.refresh", [weak = weak_from_this()](const std::string&) {
        if (auto self = weak.lock()) self->snowboardUpdated();
      }));
  darwinObservations_.push_back(
      center.addObserver("com.kestrune.vantile.swipegesture", [weak = weak_from_this()](const std::string&) {
        if (auto self = weak.lock()) self->swipeHappened();
      }));
}

void VantileController::snowboardUpdated() {
  platform::foundation::MainQueue::shared().postAfter(kIconRefreshDelay, [weak = weak_from_this()] {
    if (auto self = weak.lock()) self->updateIcons();
  });
}

void VantileController::swipeHappened() {
  if (hooks.swipeHappened) hooks.swipeHappened();
}

void VantileController::updateIcons() {
  for (const std::string location : {"homescreen", "lockscreen"}) {
    const auto& preset = *presetFor(location);
    if (!preset) continue;
    if (const Value* children = preset->children()) updateIconsForPreset(*preset, *children, *rootViewFor(location));
  }
}

void VantileController::updateIconsForPreset(const ThemePreset& preset, const Value& children,
                                             const std::shared_ptr<View>& presetView) {
  if (!children.is_object() || !presetView) return;
  for (const auto& [name, element] : children.items()) {
    const std::string type = conventions::stringFor(element, "type").value_or("");
    if (type == "AppIcon") {
      const auto tag = preset.nameIndex.tagForName(name);
      auto view = preset.views.find(tag.value_or(0), *presetView);
      if (!view) continue;
      const auto image = getAppImageFromBundle(conventions::stringFor(element, "bundleID").value_or(""));
      for (const auto& subview : view->subviews()) {
        auto* imageView = dynamic_cast<platform::ui::ImageView*>(subview.get());
        if (imageView != nullptr && subview->layer()->name() == "AppIconImageView") imageView->setImage(image);
      }
    } else if (holdsChildren(type) && conventions::hasKey(element, "children")) {
      updateIconsForPreset(preset, conventions::valueFor(element, "children"), presetView);
    }
  }
}

platform::graphics::Rect VantileController::boundsForOrientation(DeviceOrientation orientation) {
  const auto size = platform::ui::Screen::mainScreen().bounds().size;
  const double longSide = std::max(size.width, size.height);
  const double shortSide = std::min(size.width, size.height);
  const bool landscape =
      orientation == DeviceOrientation::landscapeLeft || orientation == DeviceOrientation::landscapeRight;
  return landscape ? platform::graphics::Rect{0, 0, longSide, shortSide}
                   : platform::graphics::Rect{0, 0, shortSide, longSide};
}

void VantileController::orientationChanged() {
  const auto& device = platform::ui::Device::currentDevice();
  if (device.userInterfaceIdiom() != platform::ui::UserInterfaceIdiom::pad) return;
  switch (device.orientation()) {
    case DeviceOrientation::landscapeLeft:
    case DeviceOrientation::landscapeRight:
      screenRect = boundsForOrientation(DeviceOrientation::landscapeRight);
      break;
    case DeviceOrientation::portrait:
      screenRect = boundsForOrientation(DeviceOrientation::portrait);
      break;
    default:
      return;
  }
  if (vantileView) vantileView->setFrame(screenRect);
  if (vantileViewSB) vantileViewSB->setFrame(screenRect);
  reloadThemes();
}

}  // namespace vantile
