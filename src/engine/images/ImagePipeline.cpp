#include "engine/images/ImagePipeline.h"

#include <array>
#include <utility>

#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/images/DeviceReadings.h"
#include "engine/images/ImageColouring.h"
#include "engine/images/WebPictureLoads.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
namespace ui = platform::ui;
using conventions::stringFor;
using platform::Value;

namespace {

constexpr std::string_view kFileScheme = "file://";
constexpr std::string_view kAssetsURL = "file:///var/mobile/Library/VantileAssets/";
constexpr std::string_view kWeatherIconsURL = "file:///var/mobile/Library/VantileAssets/weatherIcons/";
constexpr const char* kCreatorDataClass = "CreatorData";

constexpr double kSymbolPointSize = 20;
constexpr int kHighestConditionCode = 48;

constexpr std::array<std::pair<std::string_view, int>, 8> kSymbolWeights = {{
    {"thin", 2},
    {"light", 3},
    {"regular", 4},
    {"medium", 5},
    {"semibold", 6},
    {"bold", 7},
    {"heavy", 8},
    {"black", 9},
}};

bool isNoneValue(const std::optional<std::string>& value) {
  return !value || value->empty() || *value == "none" || *value == "(null)";
}

std::string pictureSetURL(const std::string& folder, int bars) {
  return std::string(kFileScheme) + folder + "/" + std::to_string(bars) + ".png";
}

// The "imageURL" address, replaced by the live picture of a signal or Wi-Fi set folder
// inside SpringBoard (Wi-Fi wins when the folder names both).
std::optional<std::string> pictureURL(const Value& options) {
  std::optional<std::string> url = stringFor(options, "imageURL");
  if (url && !foundation::contains(*url, "http")) {
    url = std::string(kAssetsURL) + *url;
  }
  const std::optional<std::string> folder = stringFor(options, "imageFolder");
  if (!folder) {
    return url;
  }
  if (foundation::contains(*folder, "signalImages")) {
    if (const auto bars = DeviceReadings::shared().signalStrengthBars()) url = pictureSetURL(*folder, *bars);
  }
  if (foundation::contains(*folder, "wifiImages")) {
    if (const auto bars = DeviceReadings::shared().wifiStrengthBars()) url = pictureSetURL(*folder, *bars);
  }
  return url;
}

void showSymbol(ui::ImageView& view, const std::string& name, const Value& options) {
  const std::optional<std::string> weightWord = stringFor(options, "SFWeight");
  const int weight = weightWord ? ImagePipeline::symbolWeightForWord(*weightWord).value_or(0) : 0;
  const graphics::SymbolConfiguration configuration{.pointSize = kSymbolPointSize,
                                                    .weight = static_cast<graphics::SymbolWeight>(weight),
                                                    .scale = graphics::SymbolScale::large};
  view.setImage(graphics::systemSymbol(name, configuration, ui::Screen::mainScreen().scale()));
  view.setRenderingMode(ui::ImageRenderingMode::alwaysTemplate);
  view.setTintColor(conventions::colorFor(options, "SFColor"));
}


// The keys recolouring reads, kept for a picture that arrives later.
Value colouringOptions(const Value& options) {
  Value kept = Value::object();
  for (const char* key : {"imageColor", "imageIsBlack"}) {
    if (options.is_object() && options.contains(key)) kept[key] = options[key];
  }
  return kept;
}

// The code the editor's sample data gives for the element's "forecast"; nothing outside the editor.
// Its class operations answer std::optional<std::string>(), nothing standing for nil.
std::optional<std::string> sampleConditionCode(const Value& options) {
  using SampleCode = std::optional<std::string>();
  platform::objc::Class* creatorData = platform::objc::getClass(kCreatorDataClass);
  if (creatorData == nullptr) {
    return std::nullopt;
  }
  std::optional<std::string> code = platform::objc::send<SampleCode>(*creatorData, "conditionCode");
  const std::optional<std::string> forecast = stringFor(options, "forecast");
  if (forecast && foundation::contains(*forecast, "day")) {
    const std::string operation = *forecast + "icon";
    if (platform::objc::respondsToSelector(*creatorData, operation)) {
      code = platform::objc::send<SampleCode>(*creatorData, operation);
    }
  }
  return code;
}

// Condition codes are 0 to 48 in decimal; nothing else names an icon of a set.
bool isConditionCode(const std::string& code) {
  return !code.empty() && code.size() <= 2 && conventions::isDigitsOnly(code) &&
         foundation::intValue(code) <= kHighestConditionCode;
}

}  // namespace

void ImagePipeline::setupImageForImageView(ui::ImageView& view, const Value& options) {
  WebPictureLoads::shared().forget(view);
  const std::optional<std::string> symbolName = stringFor(options, "SFSymbolName");
  if (checkIfSFSymbol(symbolName)) {
    showSymbol(view, *symbolName, options);
    return;
  }
  const std::optional<std::string> url = pictureURL(options);
  if (url) {
    showPictureAtURL(view, *url, options);
  } else {
    view.setImage(recolouredImage(std::nullopt, options));
  }
  view.setRenderingMode(ui::ImageRenderingMode::original);
}

void ImagePipeline::setupWeatherImageForImageView(ui::ImageView& view, const Value& options) {
  const std::optional<std::string> iconSet = stringFor(options, "iconSet");
  const std::optional<std::string> code = sampleConditionCode(options);
  std::optional<graphics::Image> icon;
  if (iconSet && code && isConditionCode(*code)) {
    icon = imageAtFileURL(std::string(kWeatherIconsURL) + *iconSet + "/" + *code + ".png");
  }
  WebPictureLoads::shared().forget(view);
  view.setImage(std::move(icon));
  view.setRenderingMode(ui::ImageRenderingMode::original);
}

bool ImagePipeline::checkIfSFSymbol(const std::optional<std::string>& name) {
  return name && !name->empty() && *name != "none" && *name != "null";
}

std::optional<int> ImagePipeline::symbolWeightForWord(std::string_view word) {
  for (const auto& [name, weight] : kSymbolWeights) {
    if (name == word) return weight;
  }
  return std::nullopt;
}

void ImagePipeline::showPictureAtURL(ui::ImageView& view, const std::string& url, const Value& options) {
  if (url.starts_with(kFileScheme)) {
    WebPictureLoads::shared().forget(view);
    view.setImage(recolouredImage(imageAtFileURL(url), options));
    return;
  }
  view.setImage(std::nullopt);
  WebPictureLoads::shared().showPicture(
      view, url, [colouring = colouringOptions(options)](std::optional<graphics::Image> picture) {
        return recolouredImage(std::move(picture), colouring);
      });
}

std::optional<graphics::Image> ImagePipeline::imageAtFileURL(std::string_view url) {
  if (!url.starts_with(kFileScheme)) {
    return std::nullopt;
  }
  return graphics::imageFromFile(foundation::devicePath(url.substr(kFileScheme.size())));
}

std::optional<graphics::Image> ImagePipeline::recolouredImage(std::optional<graphics::Image> image, const Value& options) {
  const std::optional<std::string> colorText = stringFor(options, "imageColor");
  if (isNoneValue(colorText)) {
    return image;
  }
  const std::optional<graphics::Color> color = VantileHelpers::uiColorFromString(*colorText);
  if (!color) {
    return image;
  }
  // Light artwork is made dark first, so the mask keeps the artwork and drops the ground.
  if (stringFor(options, "imageIsBlack") != "YES") {
    image = inverseColor(image);
  }
  return changeImage(image, *color);
}

}  // namespace vantile
