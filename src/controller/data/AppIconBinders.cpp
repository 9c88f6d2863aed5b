// The data pass's app icons: the app list, badges and their images, and app pictures.
#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using namespace conventions;
namespace foundation = platform::foundation;
namespace ui = platform::ui;

constexpr std::int32_t kBadgeImageTag = 9991;
constexpr Color kClear{0, 0, 0, 0};
constexpr std::string_view kFileScheme = "file://";
constexpr const char* kDefaultAppImage = "file:///var/mobile/Library/VantileAssets/icon.png";

bool isSet(const std::optional<std::string>& value) { return value && *value != "none"; }

// The badge keys, read from the element's "styleOverride" element when it has one.
const Value& badgeStyle(const Value& element, const std::optional<Value>& overrideElement) {
  return overrideElement ? *overrideElement : element;
}

}  // namespace

void VantileController::updateAppBundleArray() {
  appRecords = hooks.appRecords ? hooks.appRecords() : std::vector<Value>{};
}

std::optional<Value> VantileController::styleOverrideElement(const Value& element, std::string_view location) const {
  const std::optional<std::string> name = stringFor(element, "styleOverride");
  if (!isSet(name)) return std::nullopt;
  const std::optional<ThemePreset>* preset = presetFor(location);
  const Value* children = preset != nullptr && *preset ? (*preset)->children() : nullptr;
  if (children == nullptr) return std::nullopt;
  return getElementDictionaryFromString(*name, *children);
}

void VantileController::updateAppIconData(const Value& element, ui::View& view) {
  const std::string bundleID = stringFor(element, "bundleID").value_or("");
  const Value* app = nullptr;
  for (const Value& record : appRecords) {
    if (record.is_object() && stringFor(record, "bundle") == bundleID) {
      app = &record;
      break;
    }
  }
  // The touch actions read the app from the icon's layer.
  view.layer()->setName(bundleID);
  for (const auto& subview : view.subviews()) {
    if (subview->layer()->name() != "AppIconAppBadge") continue;
    if (const auto badge = std::dynamic_pointer_cast<ui::Label>(subview)) updateAppBadge(app, view, *badge, element);
  }
}

void VantileController::updateAppBadge(const Value* app, ui::View& iconView, ui::Label& badge, const Value& element) {
  const std::optional<Value> overrideElement = styleOverrideElement(element, locationOfView(iconView));
  const Value& style = badgeStyle(element, overrideElement);

  badge.setText("");
  badge.setBackgroundColor(kClear);
  for (const auto& subview : std::vector(badge.subviews())) {
    if (subview->tag() == kBadgeImageTag) subview->removeFromSuperview();
  }
  if (app == nullptr) return;

  badge.setText(foundation::description(valueFor(*app, "badge")));
  badge.setTextAlignment(ui::TextAlignment::center);
  badge.setNumberOfLines(1);
  badge.setFont(platform::graphics::systemFont(12));
  if (!badge.text().empty()) {
    badge.setBackgroundColor(colorFor(style, "badgeBGColor").value_or(kClear));
    badge.layer()->setCornerRadius(10);
    badge.setClipsToBounds(true);
    if (isSet(stringFor(style, "badgeImage"))) updateAppBadgeImage(badge, element);
  }
  // Badges widen for long texts and never narrow again.
  const double textWidth = platform::graphics::measureText(badge.text(), badge.font()).width;
  if (textWidth > badge.bounds().width()) {
    const auto frame = badge.frame();
    badge.setFrame({frame.x(), frame.y(), textWidth + 5, frame.height()});
  }
}

void VantileController::updateAppBadgeImage(ui::Label& badge, const Value& element) {
  const auto superview = badge.superview();
  const std::optional<Value> overrideElement =
      styleOverrideElement(element, superview ? locationOfView(*superview) : std::string("lockscreen"));
  const Value& style = badgeStyle(element, overrideElement);

  badge.setClipsToBounds(false);
  auto image = ui::ImageView::make(badge.bounds());
  image->setImage(assetImage(stringFor(style, "badgeImage").value_or("")));
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  if (const double scale = numberFor(style, "badgeImageScale"); scale != 0) {
    image->setTransform(image->transform().scaledBy(scale, scale));
  }
  image->setTag(kBadgeImageTag);
  badge.addSubview(image);
  // The picture replaces the drawn badge; the text stays for measuring.
  badge.setBackgroundColor(kClear);
  badge.setTextColor(kClear);
  const auto shiftX = foundation::intValue(stringFor(style, "badgeImageX").value_or(""));
  const auto shiftY = foundation::intValue(stringFor(style, "badgeImageY").value_or(""));
  if (shiftX != 0 || shiftY != 0) {
    const auto center = image->center();
    image->setCenter({center.x + shiftX, center.y + shiftY});
  }
}

std::optional<platform::graphics::Image> VantileController::getAppImageFromBundle(const std::string& bundleID) const {
  if (hooks.applicationIconImage) {
    if (auto image = hooks.applicationIconImage(bundleID)) return image;
  }
  return getUIImageFromDirectory(kDefaultAppImage);
}

std::optional<platform::graphics::Image> VantileController::getUIImageFromDirectory(std::string_view address) {
  // Only file addresses name something on the device.
  if (!address.starts_with(kFileScheme)) return std::nullopt;
  return platform::graphics::imageFromFile(foundation::devicePath(address.substr(kFileScheme.size())));
}

}  // namespace vantile
