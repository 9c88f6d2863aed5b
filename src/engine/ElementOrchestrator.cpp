#include "engine/ElementOrchestrator.h"

#include "engine/InnerViewTags.h"
#include "engine/helpers/VantileHelpers.h"
#include "engine/images/ImagePipeline.h"
#include "engine/marquee/MarqueeLabel.h"
#include "engine/views/ClockView.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/ImageFileCache.h"
#include "platform/ui/gestures/LongPressGestureRecognizer.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/View.h"

#include <algorithm>

namespace vantile {

namespace {

using platform::Value;
using Operation = ElementOrchestratorDelegate::Operation;
namespace foundation = platform::foundation;
namespace ui = platform::ui;

constexpr double kChangeAppPressDuration = 0.3;

bool inEditor(const ElementOrchestrator::Element& element) { return element.environment == "creator"; }
bool inTweak(const ElementOrchestrator::Element& element) { return element.environment == "vantile"; }

std::optional<std::string> stringForKey(const Value& options, const char* key) {
  if (!options.is_object()) {
    return std::nullopt;
  }
  const auto found = options.find(key);
  if (found == options.end()) {
    return std::nullopt;
  }
  return foundation::description(*found);
}

// Sends one optional operation of the host to the recogniser's action, through the host of
// the moment the recogniser was made.
void send(const std::weak_ptr<ElementOrchestratorDelegate>& target, Operation operation,
          ui::GestureRecognizer& recognizer) {
  const auto delegate = target.lock();
  if (!delegate || !delegate->implements(operation)) {
    return;
  }
  switch (operation) {
    case Operation::handleTapped:
      delegate->handleTapped(recognizer);
      break;
    case Operation::handleAnimation:
      delegate->handleAnimation(recognizer);
      break;
    case Operation::launchApp:
      delegate->launchApp(recognizer);
      break;
    case Operation::changeApp:
      delegate->changeApp(recognizer);
      break;
    default:
      break;
  }
}

// "marqueeType" takes a type number (0 to 5) or a builder name; anything else keeps the
// type the builder chose.
std::optional<unsigned> marqueeTypeFor(const std::string& value) {
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '5') {
    return static_cast<unsigned>(value[0] - '0');
  }
  if (value == "LeftRight") return 0u;
  if (value == "Continuous") return 2u;
  if (value == "ContinuousRev" || value == "ContinuousReverse") return 3u;
  return std::nullopt;
}

void applyMarqueeOptions(MarqueeLabel& marquee, const Value& options) {
  if (const auto type = stringForKey(options, "marqueeType")) {
    if (const auto number = marqueeTypeFor(*type)) {
      marquee.setMarqueeType(*number);
    }
  }
  if (const auto rate = stringForKey(options, "rate")) {
    marquee.setRate(foundation::doubleValue(*rate));
  }
  if (const auto fadeLength = stringForKey(options, "fadeLength")) {
    marquee.setFadeLength(foundation::doubleValue(*fadeLength));
  }
  if (const auto delay = stringForKey(options, "animationDelay")) {
    marquee.setAnimationDelay(foundation::doubleValue(*delay));
  }
  const auto fontName = stringForKey(options, "fontName");
  const auto fontSize = stringForKey(options, "fontSize");
  if (fontName && fontSize) {
    double size = foundation::doubleValue(*fontSize);
    if (size == 0) {
      size = 0.8 * marquee.frame().height();
    }
    // An asset font file first becomes a registered font; a name no font answers to draws
    // in the system font at the same size.
    std::optional<std::string> name = *fontName;
    if (fontName->starts_with("CF")) {
      name = VantileHelpers::loadFontAndReturnFontName(*fontName);
    }
    marquee.setFont(name ? platform::graphics::Font{*name, size} : platform::graphics::systemFont(size));
  }
  if (const auto gradient = stringForKey(options, "gradientImage"); gradient && *gradient != "none") {
    if (auto image = platform::graphics::imageFromFile(
            foundation::devicePath("/var/mobile/Library/VantileAssets/" + *gradient))) {
      marquee.setTextPattern(std::move(image));
    }
  }
}

// Clock pictures are named by paths used as written; one that cannot be read leaves the
// clock's own picture.
std::optional<platform::graphics::Image> clockPicture(const Value& options, const char* key) {
  const auto path = stringForKey(options, key);
  if (!path) {
    return std::nullopt;
  }
  return platform::graphics::imageFromFile(foundation::devicePath(*path));
}

void applyClockOptions(ClockView& clock, const Value& options) {
  if (auto face = clockPicture(options, "backgroundImage")) clock.setClockBackgroundImage(std::move(face));
  if (auto hour = clockPicture(options, "hourHandImage")) clock.setHourHandImage(std::move(hour));
  if (auto minute = clockPicture(options, "minuteHandImage")) clock.setMinHandImage(std::move(minute));
  if (auto second = clockPicture(options, "secondHandImage")) clock.setSecHandImage(std::move(second));
  if (const auto continuous = stringForKey(options, "continuousSecondHand")) {
    clock.setSecHandContinuos(foundation::boolValue(*continuous));
  }
  // Zero is a scale like any other: the clock collapses to its centre, as other elements do.
  if (const auto scale = stringForKey(options, "scale")) {
    const double factor = foundation::doubleValue(*scale);
    clock.setTransform(platform::graphics::AffineTransform::scale(factor, factor));
  }
  if (const auto alpha = stringForKey(options, "alpha")) {
    clock.setAlpha(foundation::doubleValue(*alpha));
  }
}

}  // namespace

std::optional<std::vector<std::string>> childOrder(const Value& options) {
  if (const auto childorder = stringForKey(options, "childorder")) {
    if (*childorder == "none") {
      std::vector<std::string> names;
      if (const auto children = options.find("children"); children != options.end() && children->is_object()) {
        for (const auto& [name, description] : children->items()) {
          names.push_back(name);
        }
      }
      return names;
    }
    std::vector<std::string> names;
    for (const auto part : foundation::components(*childorder, ",")) {
      names.emplace_back(part);
    }
    std::reverse(names.begin(), names.end());
    return names;
  }
  const auto order = options.is_object() ? options.find("order") : options.end();
  if (order == options.end() || !order->is_array()) {
    return std::nullopt;
  }
  // Entries that are not names can never match a child, so they are left out.
  std::vector<std::string> names;
  for (const auto& name : *order) {
    if (name.is_string()) {
      names.push_back(name.get<std::string>());
    }
  }
  return names;
}

ElementOrchestrator& ElementOrchestrator::sharedInstance() {
  static ElementOrchestrator orchestrator;
  return orchestrator;
}

void ElementOrchestrator::orchestrateElement(const std::shared_ptr<ui::View>& view, std::string_view type,
                                             const std::shared_ptr<ui::View>& parentView, const std::string& name,
                                             const Value& options, std::int32_t count, const std::string& location,
                                             const std::string& environment) {
  if (!view || !parentView) {
    return;
  }
  const Element element{view, parentView, name, options, count, location, environment};
  using Step = void (ElementOrchestrator::*)(const Element&);
  static const std::pair<std::string_view, Step> steps[] = {
      {"UIView", &ElementOrchestrator::orchestrateUIViewElement},
      {"ScrollView", &ElementOrchestrator::orchestrateScrollViewElement},
      {"UILabel", &ElementOrchestrator::orchestrateGenericElement},
      {"UIImageView", &ElementOrchestrator::orchestrateUIImageViewElement},
      {"AppIcon", &ElementOrchestrator::orchestrateAppIconElement},
      {"WeatherIcon", &ElementOrchestrator::orchestrateWeatherIconElement},
      {"MarqueeLabel", &ElementOrchestrator::orchestrateMarqueeLabelElement},
      {"CircleProgress", &ElementOrchestrator::orchestrateGenericElement},
      {"BatteryIcon", &ElementOrchestrator::orchestrateGenericElement},
      {"BatteryBar", &ElementOrchestrator::orchestrateGenericElement},
      {"ProgressBar", &ElementOrchestrator::orchestrateGenericElement},
      {"ElapsedBar", &ElementOrchestrator::orchestrateGenericElement},
      {"WeekWidget", &ElementOrchestrator::orchestrateWeekWidgetElement},
      {"AnalogClock", &ElementOrchestrator::orchestrateAnalogClockElement},
      {"GlassView", &ElementOrchestrator::orchestrateUIViewElement},
  };
  for (const auto& [stepType, step] : steps) {
    if (stepType == type) {
      (this->*step)(element);
      return;
    }
  }
  orchestrateGenericElement(element);
}

void ElementOrchestrator::attach(const Element& element, bool honourLayerBack) const {
  element.parent->addSubview(element.view);
  if (honourLayerBack && stringForKey(element.options, "layer") == "back") {
    element.parent->sendSubviewToBack(*element.view);
  }
}

void ElementOrchestrator::identify(const Element& element) const {
  element.view->setAccessibilityIdentifier(element.name);
  if (const auto host = delegate(); host && host->implements(Operation::updateReferenceToView)) {
    host->updateReferenceToView(element.name, element.count, element.location);
  }
}

void ElementOrchestrator::createChildren(const Element& element) const {
  if (!element.options.is_object()) {
    return;
  }
  const auto children = element.options.find("children");
  const auto host = delegate();
  if (children == element.options.end() || !host || !host->implements(Operation::createChildren)) {
    return;
  }
  host->createChildren(*children, element.view, element.location, childOrder(element.options));
}

void ElementOrchestrator::addTap(const Element& element, Operation operation) const {
  auto recognizer = ui::TapGestureRecognizer::make(
      [target = delegate_, operation](ui::GestureRecognizer& tap) { send(target, operation, tap); });
  element.view->addGestureRecognizer(std::move(recognizer));
}

namespace {

// Hands the "actions" outside the editor; in the editor, a tap plays the element's animation.
void handleActions(const ElementOrchestrator& orchestrator, const ElementOrchestrator::Element& element,
                   const std::function<void()>& addAnimationTap) {
  const auto actions = stringForKey(element.options, "actions");
  if (!actions) {
    return;
  }
  if (!inEditor(element)) {
    if (const auto host = orchestrator.delegate(); host && host->implements(Operation::enableActionsForView)) {
      host->enableActionsForView(element.view, *actions);
    }
  } else if (foundation::contains(*actions, "animation")) {
    addAnimationTap();
  }
}

}  // namespace

void ElementOrchestrator::orchestrateUIViewElement(const Element& element) {
  attach(element, inEditor(element));
  identify(element);
  handleActions(*this, element, [&] { addTap(element, Operation::handleAnimation); });
  createChildren(element);
}

void ElementOrchestrator::orchestrateGenericElement(const Element& element) {
  attach(element, true);
  identify(element);
  if (inEditor(element)) {
    element.view->setUserInteractionEnabled(true);
  }
  handleActions(*this, element, [&] { addTap(element, Operation::handleAnimation); });
  createChildren(element);
  if (auto* label = dynamic_cast<ui::Label*>(element.view.get())) {
    label->setText("Loading");
  }
}

void ElementOrchestrator::orchestrateScrollViewElement(const Element& element) {
  orchestrateGenericElement(element);
  if (dynamic_cast<ui::ScrollView*>(element.view.get()) != nullptr) {
    element.view->setUserInteractionEnabled(true);
  }
}

void ElementOrchestrator::orchestrateUIImageViewElement(const Element& element) {
  attach(element, inEditor(element));
  identify(element);
  const auto actions = stringForKey(element.options, "actions");
  const auto host = delegate();
  if (actions && host && inEditor(element)) {
    if (foundation::contains(*actions, "openDrawer") && host->implements(Operation::handleTapped)) {
      addTap(element, Operation::handleTapped);
    }
    if (foundation::contains(*actions, "animation") && host->implements(Operation::handleAnimation)) {
      addTap(element, Operation::handleAnimation);
    }
  } else if (actions && host && inTweak(element) && *actions != "0" && *actions != "none" &&
             host->implements(Operation::enableActionsForView)) {
    host->enableActionsForView(element.view, *actions);
  }
  if (const auto imageView = std::dynamic_pointer_cast<ui::ImageView>(element.view)) {
    ImagePipeline::setupImageForImageView(*imageView, element.options);
  }
  createChildren(element);
}

void ElementOrchestrator::orchestrateAppIconElement(const Element& element) {
  orchestrateGenericElement(element);
  const auto host = delegate();
  if (!inTweak(element) || !host) {
    return;
  }
  if (host->implements(Operation::launchApp)) {
    addTap(element, Operation::launchApp);
  }
  if (host->implements(Operation::changeApp)) {
    auto press = ui::LongPressGestureRecognizer::make(
        [target = delegate_](ui::GestureRecognizer& recognizer) { send(target, Operation::changeApp, recognizer); });
    press->setMinimumPressDuration(kChangeAppPressDuration);
    element.view->addGestureRecognizer(std::move(press));
  }
}

void ElementOrchestrator::orchestrateWeatherIconElement(const Element& element) {
  orchestrateGenericElement(element);
  if (const auto imageView = std::dynamic_pointer_cast<ui::ImageView>(element.view)) {
    ImagePipeline::setupWeatherImageForImageView(*imageView, element.options);
  }
}

void ElementOrchestrator::orchestrateMarqueeLabelElement(const Element& element) {
  if (auto* marquee = dynamic_cast<MarqueeLabel*>(element.view.get())) {
    applyMarqueeOptions(*marquee, element.options);
  }
  orchestrateGenericElement(element);
}

void ElementOrchestrator::orchestrateWeekWidgetElement(const Element& element) {
  element.view->setTag(innerViewTags::weekRow);
  orchestrateGenericElement(element);
  if (const auto host = delegate(); host && host->implements(Operation::updateReferenceToView)) {
    host->updateReferenceToView(element.name, innerViewTags::weekRow, element.location);
  }
}

void ElementOrchestrator::orchestrateAnalogClockElement(const Element& element) {
  if (auto* clock = dynamic_cast<ClockView*>(element.view.get())) {
    applyClockOptions(*clock, element.options);
  }
  orchestrateGenericElement(element);
}

}  // namespace vantile
