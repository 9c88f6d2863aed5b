// The styling of app-icon elements: picture, name label and badge of the element's app.
#include "controller/VantileController.h"

#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
namespace foundation = platform::foundation;
namespace ui = platform::ui;
using namespace conventions;

constexpr Color kDefaultTextColor{0, 0, 0, 1};

// The keys a "styleOverride" element lends an icon; a key the other element lacks goes too.
constexpr const char* kOverriddenKeys[] = {"labelColor", "badgeTextColor", "badgeBGColor", "badgeImage",
                                           "badgeImageScale", "badgeImageX", "badgeImageY"};

std::shared_ptr<ui::View> subviewNamed(const ui::View& icon, std::string_view layerName) {
  for (const auto& subview : icon.subviews()) {
    if (subview->layer()->name() == layerName) return subview;
  }
  return nullptr;
}

void placeIconParts(ui::View& icon) {
  const double width = icon.bounds().width();
  const double height = icon.bounds().height();
  if (const auto image = subviewNamed(icon, "AppIconImageView")) image->setFrame({0, 0, width, width});
  if (const auto label = subviewNamed(icon, "AppIconAppLabel")) label->setFrame({0, height, width, 20});
  if (const auto badge = subviewNamed(icon, "AppIconAppBadge")) badge->setFrame({width - 10, -5, 20, 20});
}

// Takes the other element's look; one level only, so overrides never chain (or loop).
Value withStyleOverride(Value element, const Value& other, ui::View& icon, const Rect& screenRect) {
  for (const char* key : kOverriddenKeys) {
    if (hasKey(other, key)) {
      element[key] = valueFor(other, key);
    } else {
      element.erase(key);
    }
  }
  if (const double scale = numberFor(other, "scale"); scale != 0) {
    icon.setTransform(platform::graphics::AffineTransform::scale(scale, scale));
  }
  if (hasKey(other, "frame")) {
    Value frame = valueFor(element, "frame").is_object() ? valueFor(element, "frame") : Value::object();
    const Value& otherFrame = valueFor(other, "frame");
    for (const char* key : {"width", "height"}) {
      if (hasKey(otherFrame, key)) frame[key] = valueFor(otherFrame, key);
    }
    icon.setFrame(VantileHelpers::getRect(frame, screenRect));
    placeIconParts(icon);
  }
  return element;
}

void styleNameLabel(ui::Label& label, const Value& element, const Value* app) {
  label.setText(app ? foundation::description(valueFor(*app, "name")) : "App");
  label.setTextColor(colorFor(element, "labelColor").value_or(kDefaultTextColor));
  label.setTextAlignment(ui::TextAlignment::center);
  label.setFont(platform::graphics::systemFont(10));
}

}  // namespace

void VantileController::updateAppIcon(const Value& original, std::int32_t tag, const std::string& location) {
  updateAppBundleArray();
  // An element without an index entry (tag 0) has no icon; the root is never restyled.
  const auto icon = elementView(location, tag);
  if (!icon) return;
  Value element = original;

  // The other element is looked up in the icon's own theme, not always the home screen's.
  if (const auto overrideName = stringFor(element, "styleOverride"); overrideName && *overrideName != "none") {
    const std::optional<ThemePreset>* preset = presetFor(location);
    const Value* presetChildren = preset && *preset ? (*preset)->children() : nullptr;
    if (presetChildren) {
      if (const auto other = getElementDictionaryFromString(*overrideName, *presetChildren)) {
        element = withStyleOverride(std::move(element), *other, *icon, screenRect);
      }
    }
  }

  const std::string bundleID = stringFor(element, "bundleID").value_or("");
  const Value* app = nullptr;
  for (const auto& record : appRecords) {
    if (record.is_object() && stringFor(record, "bundle") == bundleID) {
      app = &record;
      break;
    }
  }
  icon->layer()->setName(bundleID);

  for (const auto& part : icon->subviews()) {
    const auto& name = part->layer()->name();
    if (name == "AppIconImageView") {
      if (const auto image = std::dynamic_pointer_cast<ui::ImageView>(part)) {
        image->setImage(getAppImageFromBundle(bundleID));
      }
    } else if (name == "AppIconAppLabel") {
      if (const auto label = std::dynamic_pointer_cast<ui::Label>(part)) styleNameLabel(*label, element, app);
    } else if (name == "AppIconAppBadge") {
      if (const auto badge = std::dynamic_pointer_cast<ui::Label>(part)) {
        badge->setTextColor(colorFor(element, "badgeTextColor").value_or(kDefaultTextColor));
        updateAppBadge(app, *icon, *badge, element);
      }
    }
  }
}

}  // namespace vantile
