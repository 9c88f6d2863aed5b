// The data pass: every element of a location handed to the binder of its type; labels, images,
// music pictures, web views and the descent into containers.
#include "controller/VantileController.h"
#include "controller/styling/LabelAttributedText.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/ScriptLiteral.h"
#include "engine/images/DeviceReadings.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/WebView.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;
namespace foundation = platform::foundation;
namespace ui = platform::ui;

bool isSet(const std::optional<std::string>& value) { return value && *value != "none"; }

bool isContainer(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

std::string styled(const Value& element, const std::optional<std::string>& text) {
  return VantileController::setTextStyle(stringFor(element, "textStyle").value_or(""), text.value_or(""));
}

}  // namespace

std::string VantileController::locationOfView(const ui::View& view) const {
  return vantileViewSB && view.isDescendantOfView(*vantileViewSB) ? "homescreen" : "lockscreen";
}

void VantileController::updateData(const Value& children, const std::string& location) {
  updateAppBundleArray();
  if (!children.is_object()) return;
  const OnePassTokenValues tokenValues(*this);
  for (const auto& [name, element] : children.items()) {
    const std::shared_ptr<ui::View> view = getElDict(name, location).view;
    if (!view) continue;
    const std::string type = stringFor(element, "type").value_or("");
    if (type == "BatteryIcon") {
      updateBatteryIconData(element, *view);
    } else if (type == "ProgressBar") {
      updateProgressBarData(element, *view);
    } else if (type == "AppIcon") {
      updateAppIconData(element, *view);
    } else if (type == "BatteryBar") {
      updateBatteryBarData(element, view);
    } else if (type == "ElapsedBar") {
      // The every-second pass keeps it.
    } else if (type == "WKWebView") {
      updateWebView(element, *view);
    } else if (type == "WeatherIcon") {
      if (const auto imageView = std::dynamic_pointer_cast<ui::ImageView>(view)) updateWeatherIconData(element, *imageView);
    } else if (type == "WeekWidget") {
      updateWeekWidgetData(element, view);
    } else if (type == "CircleProgress") {
      updateCircleProgress(element, *view);
    } else {
      updateOtherData(element, view, location);
    }
  }
}

void VantileController::updateOtherData(const Value& element, const std::shared_ptr<ui::View>& view,
                                        const std::string& location) {
  const auto label = std::dynamic_pointer_cast<ui::Label>(view);
  const auto imageView = std::dynamic_pointer_cast<ui::ImageView>(view);

  if (label && hasKey(element, "data")) label->setText(styled(element, handleData(stringFor(element, "data"))));
  if (const auto dataAttr = stringFor(element, "dataAttr"); label && isSet(dataAttr)) {
    const auto firstFont =
        getFontFromStyles(element, label.get(), stringFor(element, "fontName"), stringFor(element, "fontSize"));
    const std::string second = styled(element, handleData(*dataAttr));
    const auto secondFont =
        getFontFromStyles(element, label.get(), stringFor(element, "fontNameAttr"), stringFor(element, "fontSizeAttr"));
    label->setAttributedText(labeltext::joinedWithSecondText(label->text(), firstFont, second, secondFont,
                                                             labeltext::secondTextColor(element)));
  }

  if (imageView) {
    const std::string folder = stringFor(element, "imageFolder").value_or("");
    const bool wifi = foundation::contains(folder, "wifiImages");
    if (wifi || foundation::contains(folder, "signalImages")) {
      const auto& readings = DeviceReadings::shared();
      const int bars = (wifi ? readings.wifiStrengthBars() : readings.signalStrengthBars()).value_or(0);
      std::string address = "file://";
      address.append(folder).append("/").append(std::to_string(bars)).append(".png");
      imageView->setImage(changeColorIfNeeded(element, getUIImageFromDirectory(address)));
    }
    updateMusicData(element, *imageView);
  }

  if (!isContainer(stringFor(element, "type").value_or(""))) return;
  checkIfUIViewShouldHide(element, view);
  // Run once the pass is done, so they see the container's children already bound.
  foundation::MainQueue::shared().post([weak = weak_from_this(), element, view] {
    if (auto self = weak.lock()) {
      self->checkIfHasKnockout(element, view);
      self->checkIfViewFollows(element, view);
    }
  });
  if (hasKey(element, "children")) updateData(valueFor(element, "children"), location);
}

void VantileController::updateMusicData(const Value& element, ui::ImageView& view) {
  const std::optional<std::string> pauseImage = stringFor(element, "pauseImage");
  if (providers.isMusicPlaying && providers.isMusicPlaying()) {
    if (stringFor(element, "isAlbumArt") == "yes" && providers.nowPlayingArtwork) {
      if (auto artwork = providers.nowPlayingArtwork()) view.setImage(std::move(artwork));
    }
    if (isSet(pauseImage)) view.setImage(assetImage(*pauseImage));
  } else if (isSet(pauseImage)) {
    view.setImage(assetImage(stringFor(element, "imageURL").value_or("")));
  }
}

void VantileController::updateWebView(const Value&, ui::View& view) {
  const auto* webView = dynamic_cast<ui::WebView*>(&view);
  if (webView == nullptr) return;
  const Value weather = providers.getWeatherInfo ? providers.getWeatherInfo() : Value::object();
  const std::string json = weather.dump(-1, ' ', false, Value::error_handler_t::replace);
  // Values go in as string literals, so no weather text (a city, a quote) can run as script.
  std::string parse = "var weather = JSON.parse(";
  parse.append(scriptStringLiteral(json)).append(");");
  webView->evaluateJavaScript(parse);
  std::string update = "mainUpdate(";
  update.append(scriptStringLiteral("weather")).append(")");
  webView->evaluateJavaScript(update);
}

}  // namespace vantile
