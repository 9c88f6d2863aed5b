// The editor's preview of app icons: placeholder or app picture, caption "App", badge "100", and
// the look an icon borrows from another element through "styleOverride".
#include <algorithm>

#include "controller/VantileController.h"
#include "editor/CreatorView.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/services/AppRegistry.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
using namespace conventions;
namespace foundation = platform::foundation;
namespace ui = platform::ui;

constexpr Color kClear{0, 0, 0, 0};
constexpr Color kBlack{0, 0, 0, 1};
constexpr std::string_view kPlaceholderImage = "file:///var/mobile/Library/VantileAssets/icon.png";

bool isSet(const std::optional<std::string>& value) { return value && *value != "none" && !value->empty(); }

std::shared_ptr<ui::View> subviewNamed(const ui::View& icon, std::string_view layerName) {
  for (const auto& subview : icon.subviews()) {
    if (subview->layer()->name() == layerName) return subview;
  }
  return nullptr;
}

// The platform's picture of the app, asked of UIImage as the phone's private operation.
std::optional<platform::graphics::Image> applicationIconImage(const std::string& bundleID) {
  platform::objc::Class* imageClass = platform::objc::getClass("UIImage");
  if (imageClass == nullptr) return std::nullopt;
  return platform::objc::send<platform::springboard::signatures::ApplicationIconImage>(
      *imageClass, "_applicationIconImageForBundleIdentifier:format:scale:", bundleID, std::int64_t{10}, 2.0);
}

// The override's size (and scale) on the icon, keeping the icon's own position; its parts follow.
void takeOverrideGeometry(ui::View& icon, const Value& element, const Value& style, const Rect& canvasBounds) {
  if (const float scale = foundation::floatValue(valueFor(style, "scale")); scale != 0) {
    icon.setTransform(platform::graphics::AffineTransform::scale(scale, scale));
  }
  if (!hasKey(style, "frame")) return;
  Value frame = valueFor(element, "frame").is_object() ? valueFor(element, "frame") : Value::object();
  for (const char* key : {"width", "height"}) {
    if (hasKey(valueFor(style, "frame"), key)) frame[key] = valueFor(valueFor(style, "frame"), key);
  }
  icon.setFrame(VantileHelpers::getRect(frame, canvasBounds));
  const double width = icon.frame().width();
  const double height = icon.frame().height();
  if (const auto image = subviewNamed(icon, "AppIconImageView")) image->setFrame({0, 0, width, width});
  if (const auto label = subviewNamed(icon, "AppIconAppLabel")) label->setFrame({0, height, width, 20});
  if (const auto badge = subviewNamed(icon, "AppIconAppBadge")) badge->setFrame({width - 10, -5, 20, 20});
}

void showBadgeImage(ui::Label& badge, const Value& style) {
  badge.setClipsToBounds(false);
  auto image = ui::ImageView::make(badge.bounds());
  image->setImage(assetImage(stringFor(style, "badgeImage").value_or("")));
  image->setContentMode(ui::ContentMode::scaleAspectFit);
  if (const float scale = foundation::floatValue(valueFor(style, "badgeImageScale")); scale != 0) {
    image->setTransform(platform::graphics::AffineTransform::scale(scale, scale));
  }
  badge.addSubview(image);
  badge.setBackgroundColor(kClear);
  badge.setTextColor(kClear);
  const std::int32_t shiftX = foundation::intValue(valueFor(style, "badgeImageX"));
  const std::int32_t shiftY = foundation::intValue(valueFor(style, "badgeImageY"));
  if (shiftX != 0 || shiftY != 0) {
    const auto center = image->center();
    image->setCenter({center.x + shiftX, center.y + shiftY});
  }
}

void styleBadge(ui::Label& badge, const Value& style) {
  badge.setText("100");
  badge.setTextAlignment(ui::TextAlignment::center);
  badge.setTextColor(colorFor(style, "badgeTextColor").value_or(kBlack));
  badge.setNumberOfLines(1);
  badge.setFont(platform::graphics::systemFont(12));
  badge.setBackgroundColor(colorFor(style, "badgeBGColor"));
  badge.layer()->setCornerRadius(10);
  badge.setClipsToBounds(true);
  if (const auto image = stringFor(style, "badgeImage"); image && *image != "none") showBadgeImage(badge, style);
  const double textWidth = platform::graphics::measureText(badge.text(), badge.font()).width;
  if (textWidth > badge.frame().width()) {
    const Rect frame = badge.frame();
    badge.setFrame({frame.x(), frame.y(), textWidth + 5, frame.height()});
  }
}

}  // namespace

void CreatorView::updateAppIconPreview(const Value& element, ui::View& view) const {
  std::optional<Value> resolved;
  if (const std::optional<std::string> overrideName = stringFor(element, "styleOverride"); isSet(overrideName)) {
    if (const Value* presetChildren = getPresetChildren()) {
      std::vector<std::string> visited;
      resolved = resolveStyleOverride(*overrideName, visited, *presetChildren);
    }
  }
  // Under an override the borrowed look is used whole: keys it lacks give no value.
  const Value& style = resolved ? *resolved : element;
  if (resolved && creatorView) takeOverrideGeometry(view, element, *resolved, creatorView->bounds());
  view.setBackgroundColor(colorFor(element, "backgroundColor"));

  const std::string bundleID = stringFor(element, "bundleID").value_or("");
  for (const auto& part : view.subviews()) {
    const auto& layerName = part->layer()->name();
    if (layerName == "AppIconImageView") {
      if (const auto image = std::dynamic_pointer_cast<ui::ImageView>(part)) {
        std::optional<platform::graphics::Image> picture;
        if (bundleID != "none" && !bundleID.empty()) picture = applicationIconImage(bundleID);
        image->setImage(picture ? std::move(picture) : VantileController::getUIImageFromDirectory(kPlaceholderImage));
      }
    } else if (layerName == "AppIconAppLabel") {
      if (const auto label = std::dynamic_pointer_cast<ui::Label>(part)) {
        label->setText("App");
        label->setTextColor(colorFor(style, "labelColor").value_or(kBlack));
        label->setTextAlignment(ui::TextAlignment::center);
        label->setFont(platform::graphics::systemFont(10));
      }
    } else if (layerName == "AppIconAppBadge") {
      if (const auto badge = std::dynamic_pointer_cast<ui::Label>(part)) styleBadge(*badge, style);
    }
  }
}

std::optional<Value> CreatorView::resolveStyleOverride(const std::string& name, std::vector<std::string>& visited,
                                                       const Value& presetChildren) const {
  if (name.empty() || name == "none" || std::ranges::find(visited, name) != visited.end()) return std::nullopt;
  visited.push_back(name);
  std::optional<Value> element = CreatorDictHelpers::getElementDictionaryFromString(name, presetChildren);
  if (!element || !element->is_object()) return std::nullopt;
  const std::optional<std::string> ownOverride = stringFor(*element, "styleOverride");
  if (!ownOverride || *ownOverride == "none") return element;
  std::optional<Value> parent = resolveStyleOverride(*ownOverride, visited, presetChildren);
  if (!parent || !parent->is_object()) return element;
  // The nearer element wins.
  for (const auto& [key, value] : element->items()) (*parent)[key] = value;
  return parent;
}

}  // namespace vantile
