#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/AffineTransform.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/views/BlurView.h"

namespace platform::ui {
class Label;
class View;
}  // namespace platform::ui

// What every element builder shares: defensive reads of the element description (any JSON
// may arrive where a string is expected; nothing here throws), and the shared styling steps.
namespace vantile::conventions {

// Whether the description has the key, whatever its value.
bool hasKey(const platform::Value& options, std::string_view key);
// The value under the key; null when missing or when the description is no dictionary.
const platform::Value& valueFor(const platform::Value& options, std::string_view key);
// The value's "%@" form; nothing when the key is missing.
std::optional<std::string> stringFor(const platform::Value& options, std::string_view key);
// The floating-point reading of the value; 0 when missing or not a number or string.
double numberFor(const platform::Value& options, std::string_view key);
// The colour string of the value; nothing when missing or malformed.
std::optional<platform::graphics::Color> colorFor(const platform::Value& options, std::string_view key);
// Whether the text holds nothing but decimal digits (the empty text included).
bool isDigitsOnly(std::string_view text);

// The element's "frame" resolved against the parent's bounds.
platform::graphics::Rect frameFor(const platform::Value& options, const platform::graphics::Rect& referenceRect);

// An image of the assets folder by name; nothing when it cannot be read.
std::optional<platform::graphics::Image> assetImage(std::string_view name);

// The font of "fontName" / "customFontName" / "fontSize", sized from `height` when
// "fontSize" is not a whole number; the system font when no font of the name exists.
platform::graphics::Font resolveFont(const platform::Value& options, double height);

// "textAlignment": left, right or centre; anything else keeps the label's alignment.
void applyTextAlignment(platform::ui::Label& label, const platform::Value& options);
// "textShadow" on the view's layer (no transparent form recognised).
void applyTextShadow(platform::ui::View& view, const platform::Value& options);
// "rgba(0,0,0,0)", "rgba(0, 0, 0, 0.0)" and "rgba(0, 0, 0, 0.00)".
bool isTransparentShadowColor(std::string_view color);
// "boxShadow" on the view's layer unless its colour is one of the transparent forms.
void applyBoxShadow(platform::ui::View& view, const platform::Value& options);
// "borderColor" and "borderWidth" when "borderWidth" is present.
void applyBorder(platform::ui::View& view, const platform::Value& options);
// "gradientImage" as the label's pattern text colour; an unreadable image clears the text colour.
void applyGradientTextColor(platform::ui::Label& label, const platform::Value& options);
// The steps labels and scrolling labels share, in order: font, alignment, clipping, text
// shadow, tag, interaction, the property pass (logging refused keys with `logPrefix`),
// border and gradient text colour.
void applyLabelBuildSteps(platform::ui::Label& label, const platform::Value& options, std::int32_t tag,
                          std::string_view logPrefix);
// "maskURL" as the contents of a mask layer over the view's bounds, with clipping on.
void applyMaskImage(platform::ui::View& view, const platform::Value& options);
// From the identity: a rotation by `degrees` (when not 0), then a scaling by `scale` (when not 0).
platform::graphics::AffineTransform scaleAndRotation(double degrees, double scale);
// "blurColor": "light", "dark", "light2", "dark2"; dark for anything else.
platform::ui::BlurStyle blurStyleFor(const platform::Value& options);

}  // namespace vantile::conventions
