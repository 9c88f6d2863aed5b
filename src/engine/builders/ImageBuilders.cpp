// Builders of the elements that show a picture: image views, weather icons and app icons.
#include <string>

#include "engine/builders/ElementFactory.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/images/ImageColouring.h"
#include "engine/images/ImagePipeline.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Rect;
using platform::ui::ContentMode;
using platform::ui::ImageView;
namespace foundation = platform::foundation;
namespace graphics = platform::graphics;
using namespace conventions;

constexpr std::string_view kAssetsURL = "file:///var/mobile/Library/VantileAssets/";
constexpr double kSymbolPointSize = 20;
constexpr int kDefaultSymbolWeight = static_cast<int>(graphics::SymbolWeight::regular);

// The three modes a theme may choose; any other value keeps the platform's scale-to-fill.
std::optional<ContentMode> contentModeFor(const Value& options) {
  const std::optional<std::string> mode = stringFor(options, "contentMode");
  if (mode == "scaleToFill") return ContentMode::scaleToFill;
  if (mode == "scaleAspectFit") return ContentMode::scaleAspectFit;
  if (mode == "center") return ContentMode::center;
  return std::nullopt;
}

// An unknown symbol name gives no image but still sets the tint.
void showSymbol(ImageView& view, const std::string& name, const Value& options) {
  const std::optional<std::string> weightWord = stringFor(options, "SFWeight");
  const int weight =
      weightWord ? ImagePipeline::symbolWeightForWord(*weightWord).value_or(kDefaultSymbolWeight) : kDefaultSymbolWeight;
  const graphics::SymbolConfiguration configuration{.pointSize = kSymbolPointSize,
                                                    .weight = static_cast<graphics::SymbolWeight>(weight),
                                                    .scale = graphics::SymbolScale::large};
  if (auto symbol = graphics::systemSymbol(name, configuration, platform::ui::Screen::mainScreen().scale())) {
    view.setImage(std::move(symbol));
  }
  view.setRenderingMode(platform::ui::ImageRenderingMode::alwaysTemplate);
  view.setTintColor(colorFor(options, "SFColor"));
}

// The picture for two bars of a signal or Wi-Fi set (the host shows the live level later),
// else the "imageURL" address or assets-folder name.
std::string pictureURL(const std::string& imageURL, const Value& options) {
  const std::optional<std::string> folder = stringFor(options, "imageFolder");
  if (folder && (foundation::contains(*folder, "signalImages") || foundation::contains(*folder, "wifiImages"))) {
    return "file://" + *folder + "/2.png";
  }
  if (foundation::contains(imageURL, "http")) return imageURL;
  return std::string(kAssetsURL) + imageURL;
}

std::shared_ptr<platform::ui::Label> appIconLabel(const Rect& frame, const char* text, const char* layerName) {
  auto label = platform::ui::Label::make(frame);
  label->setText(text);
  label->layer()->setName(layerName);
  return label;
}

// A missing colour leaves the label's default text colour, as clearing it does on the platform.
void setTextColor(platform::ui::Label& label, const Value& options, std::string_view key) {
  if (const auto color = colorFor(options, key)) label.setTextColor(*color);
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementFactory::createUIImageViewForView(const Value& options, std::int32_t tag,
                                                                             const Rect& referenceRect) {
  auto imageView = ImageView::make();
  imageView->setFrame(frameFor(options, referenceRect));
  imageView->setUserInteractionEnabled(true);
  imageView->setTag(tag);
  if (const auto mode = contentModeFor(options)) imageView->setContentMode(*mode);
  applyMaskImage(*imageView, options);
  if (hasKey(options, "cornerRadius")) {
    imageView->layer()->setCornerRadius(numberFor(options, "cornerRadius"));
    imageView->setClipsToBounds(true);
  }

  const std::optional<std::string> symbolName = stringFor(options, "SFSymbolName");
  if (ImagePipeline::checkIfSFSymbol(symbolName)) {
    showSymbol(*imageView, *symbolName, options);
  } else if (const auto imageURL = stringFor(options, "imageURL"); imageURL && !imageURL->empty()) {
    ImagePipeline::showPictureAtURL(*imageView, pictureURL(*imageURL, options), options);
  }
  return imageView;
}

std::shared_ptr<platform::ui::View> ElementFactory::createWeatherIconForView(const Value& options, std::int32_t tag,
                                                                             const Rect& referenceRect) {
  auto imageView = ImageView::make();
  imageView->setFrame(frameFor(options, referenceRect));
  imageView->setContentMode(ContentMode::scaleAspectFit);
  imageView->setUserInteractionEnabled(false);
  imageView->setTag(tag);
  return imageView;
}

std::shared_ptr<platform::ui::View> ElementFactory::createAppIconForView(const Value& options, std::int32_t tag,
                                                                         const Rect& referenceRect) {
  auto container = platform::ui::View::make(frameFor(options, referenceRect));
  const double width = container->frame().width();
  const double height = container->frame().height();

  // The host fills in the app's picture, name and badge later; these are placeholders.
  auto icon = ImageView::make(Rect{0, 0, width, width});
  icon->layer()->setName("AppIconImageView");
  icon->setContentMode(ContentMode::scaleAspectFit);
  auto name = appIconLabel({0, height, width, 20}, "Label", "AppIconAppLabel");
  setTextColor(*name, options, "labelColor");
  auto badge = appIconLabel({width - 10, -5, 20, 20}, "0", "AppIconAppBadge");
  setTextColor(*badge, options, "badgeTextColor");
  badge->setBackgroundColor(colorFor(options, "badgeBGColor"));

  container->setUserInteractionEnabled(true);
  container->addSubview(icon);
  container->addSubview(name);
  container->addSubview(badge);

  const auto transform = scaleAndRotation(0, numberFor(options, "scale"));
  // The container keeps full opacity: only its parts fade.
  if (hasKey(options, "alpha")) {
    if (const double alpha = numberFor(options, "alpha"); alpha != 1.0) {
      badge->setAlpha(alpha);
      name->setAlpha(alpha);
      icon->setAlpha(alpha);
    }
  }
  container->setTransform(transform);
  container->setTag(tag);
  return container;
}

}  // namespace vantile
