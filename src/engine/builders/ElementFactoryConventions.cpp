#include "engine/builders/ElementFactoryConventions.h"

#include "engine/builders/LabelPropertyPass.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/graphics/PangoFonts.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace vantile::conventions {

namespace {

using platform::Value;
using platform::graphics::Font;
namespace foundation = platform::foundation;
namespace graphics = platform::graphics;

constexpr std::string_view kAssetsFolder = "/var/mobile/Library/VantileAssets/";

// A name the platform answers with a font of its own; one that falls back to the system font
// counts as unknown (the system font then is what it gets anyway).
bool isInstalledFont(const std::string& name) {
  const auto named = graphics::fontDescriptionFor(Font{name, 12});
  const auto system = graphics::fontDescriptionFor(graphics::systemFont(12));
  return pango_font_description_equal(named.get(), system.get()) == FALSE;
}

std::optional<std::string> registeredAssetFont(const std::optional<std::string>& fileName) {
  return fileName ? VantileHelpers::loadFontAndReturnFontName(*fileName) : std::nullopt;
}

double fontSizeFor(const Value& options, double height) {
  const std::optional<std::string> size = stringFor(options, "fontSize");
  if (size && isDigitsOnly(*size)) return foundation::intValue(*size);
  return std::trunc(VantileHelpers::fontSizeFromHeight(height));
}

}  // namespace

bool hasKey(const Value& options, std::string_view key) {
  return options.is_object() && options.contains(std::string(key));
}

const Value& valueFor(const Value& options, std::string_view key) {
  static const Value missing;
  if (!options.is_object()) return missing;
  const auto found = options.find(std::string(key));
  return found == options.end() ? missing : *found;
}

std::optional<std::string> stringFor(const Value& options, std::string_view key) {
  if (!hasKey(options, key)) return std::nullopt;
  return foundation::description(valueFor(options, key));
}

double numberFor(const Value& options, std::string_view key) { return foundation::doubleValue(valueFor(options, key)); }

std::optional<graphics::Color> colorFor(const Value& options, std::string_view key) {
  const std::optional<std::string> text = stringFor(options, key);
  return text ? VantileHelpers::uiColorFromString(*text) : std::nullopt;
}

bool isDigitsOnly(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char character) { return character >= '0' && character <= '9'; });
}

graphics::Rect frameFor(const Value& options, const graphics::Rect& referenceRect) {
  return VantileHelpers::getRect(valueFor(options, "frame"), referenceRect);
}

std::optional<graphics::Image> assetImage(std::string_view name) {
  return graphics::imageFromFile(foundation::devicePath(std::string(kAssetsFolder) + std::string(name)));
}

Font resolveFont(const Value& options, double height) {
  std::optional<std::string> name = stringFor(options, "fontName");
  if (!name || (*name != "CF" && !isInstalledFont(*name))) name = registeredAssetFont(name);
  if (name == "CF") name = registeredAssetFont(stringFor(options, "customFontName"));

  const double size = fontSizeFor(options, height);
  if (name && isInstalledFont(*name)) return Font{*name, size};
  return graphics::systemFont(size);
}

void applyTextAlignment(platform::ui::Label& label, const Value& options) {
  using platform::ui::TextAlignment;
  const std::optional<std::string> alignment = stringFor(options, "textAlignment");
  if (alignment == "NSTextAlignmentLeft") {
    label.setTextAlignment(TextAlignment::left);
  } else if (alignment == "NSTextAlignmentRight") {
    label.setTextAlignment(TextAlignment::right);
  } else if (alignment == "NSTextAlignmentCenter") {
    label.setTextAlignment(TextAlignment::center);
  }
}

namespace {

void applyShadow(platform::ui::View& view, const Value& shadow) {
  auto& layer = *view.layer();
  layer.setShadowColor(colorFor(shadow, "color"));
  layer.setShadowRadius(numberFor(shadow, "radius"));
  layer.setMasksToBounds(false);
  layer.setShadowOffset({numberFor(shadow, "x"), numberFor(shadow, "y")});
  layer.setShadowOpacity(1.0);
}

}  // namespace

void applyTextShadow(platform::ui::View& view, const Value& options) {
  if (hasKey(options, "textShadow")) applyShadow(view, valueFor(options, "textShadow"));
}

bool isTransparentShadowColor(std::string_view color) {
  return color == "rgba(0,0,0,0)" || color == "rgba(0, 0, 0, 0.0)" || color == "rgba(0, 0, 0, 0.00)";
}

void applyBoxShadow(platform::ui::View& view, const Value& options) {
  if (!hasKey(options, "boxShadow")) return;
  const Value& shadow = valueFor(options, "boxShadow");
  const std::optional<std::string> color = stringFor(shadow, "color");
  if (color && isTransparentShadowColor(*color)) return;
  applyShadow(view, shadow);
}

void applyBorder(platform::ui::View& view, const Value& options) {
  if (!hasKey(options, "borderWidth")) return;
  view.layer()->setBorderColor(colorFor(options, "borderColor"));
  view.layer()->setBorderWidth(numberFor(options, "borderWidth"));
}

void applyGradientTextColor(platform::ui::Label& label, const Value& options) {
  const std::optional<std::string> name = stringFor(options, "gradientImage");
  if (!name || *name == "none") return;
  if (auto image = assetImage(*name)) {
    label.setTextPattern(std::move(image));
  } else {
    // A pattern colour without an image paints nothing.
    label.setTextColor(graphics::Color{0, 0, 0, 0});
  }
}

void applyMaskImage(platform::ui::View& view, const Value& options) {
  const std::optional<std::string> name = stringFor(options, "maskURL");
  if (!name || *name == "none" || name->empty()) return;
  // An unreadable image gives no mask rather than a mask that hides everything.
  if (auto image = assetImage(*name)) {
    auto mask = platform::ui::Layer::make();
    mask->setFrame({0, 0, view.bounds().width(), view.bounds().height()});
    mask->setContents(std::move(image));
    view.layer()->setMask(std::move(mask));
  }
  view.setClipsToBounds(true);
}

graphics::AffineTransform scaleAndRotation(double degrees, double scale) {
  auto transform = graphics::AffineTransform::identity();
  if (degrees != 0) transform = transform.rotatedBy(degrees * std::numbers::pi / 180);
  if (scale != 0) transform = transform.scaledBy(scale, scale);
  return transform;
}

platform::ui::BlurStyle blurStyleFor(const Value& options) {
  using platform::ui::BlurStyle;
  const std::optional<std::string> color = stringFor(options, "blurColor");
  if (color == "light") return BlurStyle::light;
  if (color == "light2") return BlurStyle::ultraThinMaterialLight;
  if (color == "dark2") return BlurStyle::ultraThinMaterialDark;
  return BlurStyle::dark;
}

void applyLabelBuildSteps(platform::ui::Label& label, const Value& options, std::int32_t tag,
                          std::string_view logPrefix) {
  label.setFont(resolveFont(options, label.frame().height()));
  applyTextAlignment(label, options);
  label.setClipsToBounds(true);
  applyTextShadow(label, options);
  label.setTag(tag);
  label.setUserInteractionEnabled(true);
  applyLabelPropertyPass(label, options, logPrefix);
  applyBorder(label, options);
  applyGradientTextColor(label, options);
}

}  // namespace vantile::conventions
