#include "engine/ElementTemplateFactory.h"

#include <functional>
#include <map>
#include <utility>

namespace vantile {

namespace {

using platform::Value;
using Entries = std::initializer_list<std::pair<const char*, Value>>;

Value frame(const char* x, const char* y, const char* width, const char* height) {
  return Value{{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

Value shadow(const char* x, const char* y, const char* color, const char* radius) {
  return Value{{"x", x}, {"y", y}, {"color", color}, {"radius", radius}};
}

Value makeTemplate(const char* type, Value frameValue, Entries entries) {
  Value result = Value::object();
  result["type"] = type;
  result["frame"] = std::move(frameValue);
  for (const auto& [key, value] : entries) {
    result[key] = value;
  }
  return result;
}

void assign(Value& element, Entries entries) {
  for (const auto& [key, value] : entries) {
    element[key] = value;
  }
}

// The text style rows that labels and scrolling labels share.
void addLabelStyle(Value& element, const Value& textShadow) {
  assign(element, {{"numberOfLines", "1"},
                   {"fontName", "Helvetica"},
                   {"fontSize", "20"},
                   {"textAlignment", "NSTextAlignmentCenter"},
                   {"textColor", "rgba(255,255,255,1.0)"},
                   {"backgroundColor", "rgba(255,255,255,0)"},
                   {"kerning", "0"},
                   {"textShadow", textShadow},
                   {"textStyle", "none"},
                   {"borderWidth", "0"},
                   {"borderColor", "rgba(255,255,255,1)"},
                   {"gradientImage", "none"}});
}

using TemplateMaker = Value (ElementTemplateFactory::*)() const;

const std::map<std::string, TemplateMaker, std::less<>>& templateMakers() {
  static const std::map<std::string, TemplateMaker, std::less<>> makers = {
      {"UILabel", &ElementTemplateFactory::UILabel},
      {"MarqueeLabel", &ElementTemplateFactory::MarqueeLabel},
      {"UITextView", &ElementTemplateFactory::UITextView},
      {"UIView", &ElementTemplateFactory::UIView},
      {"GlassView", &ElementTemplateFactory::GlassView},
      {"ScrollView", &ElementTemplateFactory::ScrollView},
      {"UIImageView", &ElementTemplateFactory::UIImageView},
      {"WKWebView", &ElementTemplateFactory::WKWebView},
      {"CircleProgress", &ElementTemplateFactory::CircleProgress},
      {"AppIcon", &ElementTemplateFactory::AppIcon},
      {"WeatherIcon", &ElementTemplateFactory::WeatherIcon},
      {"BatteryIcon", &ElementTemplateFactory::BatteryIcon},
      {"BatteryBar", &ElementTemplateFactory::BatteryBar},
      {"ProgressBar", &ElementTemplateFactory::ProgressBar},
      {"ElapsedBar", &ElementTemplateFactory::ElapsedBar},
      {"WeekWidget", &ElementTemplateFactory::WeekWidget},
      {"AnalogClock", &ElementTemplateFactory::AnalogClock},
  };
  return makers;
}

}  // namespace

ElementTemplateFactory& ElementTemplateFactory::sharedInstance() {
  static ElementTemplateFactory instance;
  return instance;
}

std::vector<std::string> ElementTemplateFactory::basicElementTypes() const {
  return {"UILabel",        "UIView",      "GlassView",   "UIImageView", "ScrollView",
          "BatteryBar",     "AppIcon",     "WeatherIcon", "BatteryIcon", "MarqueeLabel",
          "CircleProgress", "ProgressBar", "ElapsedBar",  "WeekWidget",  "AnalogClock"};
}

Value ElementTemplateFactory::defaultFrame() const { return frame("center", "100", "300", "100"); }
Value ElementTemplateFactory::defaultTextFrame() const { return frame("center", "100", "150", "40"); }
Value ElementTemplateFactory::defaultMarqueeFrame() const { return frame("center", "100", "60", "30"); }
Value ElementTemplateFactory::defaultScrollviewFrame() const { return frame("center", "100", "250", "100"); }
Value ElementTemplateFactory::progressFrame() const { return frame("center", "200", "50", "50"); }
Value ElementTemplateFactory::defaultShadow() const { return shadow("0", "3", "rgba(0,0,0,0)", "3"); }

Value ElementTemplateFactory::UILabel() const {
  Value label = makeTemplate("UILabel", defaultTextFrame(), {{"data", "[paddedhour]:[minute]"}});
  addLabelStyle(label, defaultShadow());
  assign(label, {{"dataAttr", "none"},
                 {"fontNameAttr", "none"},
                 {"fontSizeAttr", "none"},
                 {"fontColorAttr", "none"},
                 {"alpha", "1"}});
  return label;
}

Value ElementTemplateFactory::MarqueeLabel() const {
  Value marquee = makeTemplate("MarqueeLabel", defaultMarqueeFrame(), {{"data", "[musicArtist]"}});
  addLabelStyle(marquee, defaultShadow());
  assign(marquee,
         {{"animationSpeed", "20"}, {"fadeEdgesAmount", "20"}, {"scrollType", "LeftRight"}, {"animationDelay", "5"}});
  return marquee;
}

Value ElementTemplateFactory::UITextView() const {
  return makeTemplate("UITextView", defaultTextFrame(),
                      {{"data", "[paddedhour]:[minute]"},
                       {"fontName", "Helvetica"},
                       {"fontSize", "20"},
                       {"textAlignment", "NSTextAlignmentCenter"},
                       {"textColor", "rgba(0,0,0,1.0)"},
                       {"backgroundColor", "rgba(255,255,255,1)"},
                       {"kerning", "0"},
                       {"textShadow", defaultShadow()},
                       {"textStyle", "none"},
                       {"borderWidth", "0"},
                       {"borderColor", "rgba(255,255,255,1)"}});
}

Value ElementTemplateFactory::UIView() const {
  return makeTemplate("UIView", defaultFrame(),
                      {{"cornerRadius", "5"},
                       {"backgroundColor", "rgba(255,255,255,0.3)"},
                       {"blurAlpha", "0"},
                       {"blurColor", "dark"},
                       {"blurIntensity", "10"},
                       {"boxShadow", defaultShadow()},
                       {"borderWidth", "0"},
                       {"borderColor", "rgba(255,255,255,0)"},
                       {"rotate", "0"},
                       {"scale", "0"},
                       {"alpha", "1"},
                       {"gradientImage", "none"},
                       {"actions", "none"},
                       {"animation", "none"},
                       {"childorder", "none"},
                       {"autoLayout", "none"},
                       {"userInteraction", "YES"},
                       {"showWhenPlaying", "NO"},
                       {"showWhenCharging", "NO"},
                       {"triggerOnUnlock", "none"},
                       {"triggerOnWake", "none"},
                       {"cutWithView", "none"},
                       {"maskURL", "none"},
                       {"followWidthItem", "none"},
                       {"followWidthOffset", "x,y"}});
}

Value ElementTemplateFactory::GlassView() const {
  Value glass = UIView();
  glass["type"] = "GlassView";
  assign(glass, {{"cornerRadius", "10"},
                 {"backgroundColor", "rgba(255,255,255,0.05)"},
                 {"blurAlpha", "1"},
                 {"blurColor", "light"},
                 {"blurIntensity", "8"},
                 {"boxShadow", shadow("0", "5", "rgba(0,0,0,0.3)", "10")},
                 {"borderWidth", "1.5"},
                 {"borderColor", "rgba(255,255,255,0.20)"},
                 {"innerShadow", shadow("0", "0", "rgba(0,0,0,1)", "5")},
                 {"children", Value::object()}});
  return glass;
}

Value ElementTemplateFactory::ScrollView() const {
  return makeTemplate("ScrollView", defaultScrollviewFrame(),
                      {{"backgroundColor", "rgba(255,255,255,0.1)"},
                       {"childorder", "none"},
                       {"pagination", "YES"},
                       {"infiniteScroll", "none"},
                       {"scale", "0"},
                       {"alpha", "1"},
                       {"cornerRadius", "5"},
                       {"contentSize", Value{{"width", 300}, {"height", 400}}},
                       {"initialOffset", Value{{"x", 0}, {"y", 0}}}});
}

Value ElementTemplateFactory::UIImageView() const {
  return makeTemplate("UIImageView", frame("100", "100", "100", "100"),
                      {{"contentMode", "scaleAspectFit"},
                       {"imageURL", "hello.png"},
                       {"maskURL", "none"},
                       {"pauseImage", "none"},
                       {"isAlbumArt", "0"},
                       {"cornerRadius", "0"},
                       {"actions", "none"},
                       {"animation", "none"},
                       {"imageFolder", "none"},
                       {"imageIsBlack", "none"},
                       {"imageColor", "none"},
                       {"SFSymbolName", "none"},
                       {"SFWeight", "none"},
                       {"SFColor", "rgba(255,255,255,1)"}});
}

Value ElementTemplateFactory::WKWebView() const {
  return makeTemplate("WKWebView", frame("100", "100", "200", "200"),
                      {{"webviewURL", "none"}, {"backgroundColor", "rgba(255,255,255,0)"}});
}

Value ElementTemplateFactory::CircleProgress() const {
  return makeTemplate("CircleProgress", progressFrame(),
                      {{"ringColor", "rgba(255,255,255,1)"},
                       {"ringWidth", "5"},
                       {"ringValue", "battery"},
                       {"ringCap", "round"},
                       {"ringBackground", "YES"},
                       {"ringBackgroundColor", "rgba(0,0,0,1)"},
                       {"alpha", "1"}});
}

Value ElementTemplateFactory::AppIcon() const {
  return makeTemplate("AppIcon", frame("100", "100", "60", "60"),
                      {{"backgroundColor", "rgba(255,255,255,0)"},
                       {"bundleID", "none"},
                       {"scale", "0"},
                       {"alpha", "1"},
                       {"labelColor", "rgba(255,255,255,1)"},
                       {"badgeTextColor", "rgba(255,255,255,1)"},
                       {"badgeBGColor", "rgba(255,0,0,1)"},
                       {"badgeImage", "none"},
                       {"badgeImageScale", "1"},
                       {"badgeImageX", "0"},
                       {"badgeImageY", "0"},
                       {"styleOverride", "none"}});
}

Value ElementTemplateFactory::WeatherIcon() const {
  return makeTemplate("WeatherIcon", frame("center", "100", "100", "100"),
                      {{"iconSet", "clima"}, {"forecast", "none"}, {"imageIsBlack", "none"}, {"imageColor", "none"}});
}

Value ElementTemplateFactory::BatteryIcon() const {
  return makeTemplate("BatteryIcon", frame("center", "100", "30", "15"),
                      {{"radius", "2"},
                       {"backColor", "rgba(255,255,255,1.0)"},
                       {"innerColor", "rgba(0,255,0,1.0)"},
                       {"midColor", "rgba(255,153,64,1.0)"},
                       {"lowColor", "rgba(255,0,0,1.0)"}});
}

Value ElementTemplateFactory::BatteryBar() const {
  return makeTemplate("BatteryBar", frame("center", "100", "30", "15"),
                      {{"radius", "2"},
                       {"backColor", "rgba(0,0,0,1.0)"},
                       {"innerColor", "rgba(0,255,0,1.0)"},
                       {"midColor", "rgba(255,153,64,1.0)"},
                       {"lowColor", "rgba(255,0,0,1.0)"},
                       {"gradientImage", "none"},
                       {"borderWidth", "0"},
                       {"borderColor", "rgba(255,255,255,0)"}});
}

Value ElementTemplateFactory::ProgressBar() const {
  return makeTemplate("ProgressBar", frame("center", "100", "200", "20"),
                      {{"radius", "10"},
                       {"backColor", "rgba(0,0,0,1.0)"},
                       {"innerColor", "rgba(0,255,0,1.0)"},
                       {"midColor", "rgba(255,153,64,1.0)"},
                       {"lowColor", "rgba(255,0,0,1.0)"},
                       {"lowValue", "25"},
                       {"midValue", "50"},
                       {"progressValue", "batteryValue"},
                       {"gradientImage", "none"},
                       {"borderWidth", "0"},
                       {"borderColor", "rgba(255,255,255,0)"}});
}

Value ElementTemplateFactory::ElapsedBar() const {
  return makeTemplate("ElapsedBar", frame("center", "100", "250", "5"),
                      {{"radius", "2.5"},
                       {"backColor", "rgba(0,0,0,0.5)"},
                       {"innerColor", "rgba(255,255,255,1.0)"},
                       {"gradientImage", "none"},
                       {"borderWidth", "0"},
                       {"borderColor", "rgba(255,255,255,0)"}});
}

Value ElementTemplateFactory::WeekWidget() const {
  return makeTemplate("WeekWidget", frame("center", "200", "300", "50"),
                      {{"fontName", "PingFangTC-Medium"},
                       {"fontSize", "15"},
                       {"cornerRadius", "20"},
                       {"selectCornerRadius", "15"},
                       {"backgroundColor", "rgba(0,0,0,0)"},
                       {"selectColor", "rgba(255,255,255,1)"},
                       {"textColor", "rgba(255,255,255,1)"},
                       {"scale", "1"},
                       {"textStyle", "uppercase"},
                       {"textShadow", defaultShadow()}});
}

Value ElementTemplateFactory::AnalogClock() const {
  return makeTemplate("AnalogClock", frame("center", "200", "200", "200"),
                      {{"backgroundImage", "clock1bg.png"},
                       {"hourImage", "clock1hr.png"},
                       {"minuteImage", "clock1min.png"},
                       {"secondImage", "clock1sec.png"},
                       {"scale", "0.6"},
                       {"alpha", "1"}});
}

std::optional<Value> ElementTemplateFactory::templateForType(std::string_view type) const {
  const auto& makers = templateMakers();
  const auto found = makers.find(type);
  if (found == makers.end()) {
    return std::nullopt;
  }
  return (this->*(found->second))();
}

Value ElementTemplateFactory::validateAndCompleteElement(const Value& element) const {
  if (element.is_null()) {
    return Value::object();
  }
  if (!element.is_object()) {
    return element;
  }
  const auto type = element.find("type");
  if (type == element.end() || !type->is_string()) {
    return element;
  }
  auto completed = templateForType(type->get_ref<const std::string&>());
  if (!completed) {
    return element;
  }
  for (const auto& [key, value] : element.items()) {
    (*completed)[key] = value;
  }
  if (const auto children = element.find("children"); children != element.end()) {
    if (auto completedChildren = validateAndCompleteElementsRecursively(*children)) {
      (*completed)["children"] = std::move(*completedChildren);
    }
  }
  return std::move(*completed);
}

std::optional<Value> ElementTemplateFactory::validateAndCompleteElementsRecursively(const Value& children) const {
  if (children.is_null()) {
    return std::nullopt;
  }
  if (!children.is_object()) {
    return children;
  }
  Value completed = Value::object();
  for (const auto& [name, description] : children.items()) {
    completed[name] = validateAndCompleteElement(description);
  }
  return completed;
}

}  // namespace vantile
