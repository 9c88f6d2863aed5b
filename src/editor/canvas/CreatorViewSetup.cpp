#include <algorithm>
#include <array>
#include <string_view>

#include "editor/CreatorView.h"
#include "editor/files/TemplateFileNames.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/navigation/NavigationController.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/ViewController.h"
#include "platform/ui/views/Window.h"

namespace vantile {

namespace {

constexpr std::array kColorStyles = {
    "textColor",  "backgroundColor", "color",       "colorAfterSpace", "midColor",      "lowColor",
    "innerColor", "backColor",       "borderColor", "selectColor",     "labelColor",    "badgeTextColor",
    "badgeBGColor", "fontColorAttr", "ringColor",   "ringBackgroundColor", "imageColor", "SFColor",
};

constexpr std::array kStylesWithIncrementPad = {
    "width", "height", "kerning",   "numberOfLines", "fontSize",     "fontSizeAttr", "x",          "y",
    "textShadow", "boxShadow", "rotate", "cornerRadius", "borderWidth", "badgeImageX", "badgeImageY", "blurIntensity",
};

constexpr std::array kDefaultElements = {
    "UILabel",    "UIView",      "ScrollView",  "UIImageView",    "MarqueeLabel", "AppIcon",
    "WeatherIcon", "BatteryIcon", "BatteryBar", "ElapsedBar",     "ProgressBar",  "CircleProgress",
    "ForecastView", "Forecast 5D", "MiniMusic", "WeekWidget",
};

template <std::size_t N>
std::vector<std::string> toStrings(const std::array<const char*, N>& names) {
  return {names.begin(), names.end()};
}

std::vector<std::string> templateNames() {
  std::vector<std::string> names;
  for (const std::string& entry : platform::foundation::listFolder(platform::foundation::devicePath(kTemplatesFolder))) {
    if (std::string name = templateNameOfFile(entry); name.size() < entry.size() && !name.empty()) {
      names.push_back(std::move(name));
    }
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return names;
}

// The tree walks read the theme of the canvas made last.
void shareThemeWithTreeWalks(const std::shared_ptr<CreatorView>& canvas) {
  std::weak_ptr<CreatorView> weakCanvas = canvas;
  canvas->dictHelpers.creatorPreset = [weakCanvas]() -> const platform::Value& {
    static const platform::Value empty = platform::Value::object();
    const std::shared_ptr<CreatorView> strong = weakCanvas.lock();
    return strong ? strong->creatorPreset : empty;
  };
}

}  // namespace

CreatorView& CreatorView::sharedInstance() {
  static const std::shared_ptr<CreatorView> canvas = make();
  return *canvas;
}

std::shared_ptr<CreatorView> CreatorView::make() {
  auto canvas = std::make_shared<CreatorView>(ConstructionKey{});
  shareThemeWithTreeWalks(canvas);
  return canvas;
}

CreatorView::CreatorView(ConstructionKey key)
    : View(key, {}),
      colorArray(toStrings(kColorStyles)),
      stylesThatShowUpDownPad(toStrings(kStylesWithIncrementPad)),
      blackListStyleArray{"children", "type"},
      defaultElements(toStrings(kDefaultElements)),
      dictHelpers(CreatorDictHelpers::sharedInstance()) {
  elementTypes = ElementTemplateFactory::sharedInstance().basicElementTypes();
  std::erase_if(elementTypes, [](const std::string& type) { return type == "UITextView" || type == "WKWebView"; });
  for (std::string& name : templateNames()) elementTypes.push_back(std::move(name));
}

CreatorView::~CreatorView() = default;

const platform::Value* CreatorView::getPresetChildren() const {
  const auto root = creatorPreset.find("PresetView");
  if (root == creatorPreset.end() || !root->is_object()) return nullptr;
  const auto children = root->find("children");
  return children != root->end() && children->is_object() ? &*children : nullptr;
}

platform::Value* CreatorView::getPresetChildren() {
  return const_cast<platform::Value*>(std::as_const(*this).getPresetChildren());
}

std::optional<platform::Value> CreatorView::JSONFromFile(const std::string& path) {
  const std::filesystem::path file = platform::foundation::devicePath(path);
  std::optional<std::string> text = platform::foundation::readFile(file);
  if (!text) text = platform::foundation::readFile(file);
  if (!text) return std::nullopt;
  return platform::foundation::parseValue(*text);
}

std::string CreatorView::dictionaryToString(const platform::Value& dictionary) {
  return dictionary.dump(-1, ' ', false, platform::Value::error_handler_t::replace);
}

platform::Value CreatorView::stringToDictionary(std::string_view text) {
  std::optional<platform::Value> parsed = platform::foundation::parseValue(text);
  if (!parsed) {
    platform::foundation::systemLog("Line 104 in stringToDictionary The text is not valid JSON.");
    return platform::Value::object();
  }
  return *parsed;
}

bool CreatorView::isItemHiddenOrLockedByUser(std::string_view name) const {
  const auto holds = [name](const std::vector<std::string>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  return holds(hiddenElements) || holds(lockedElements);
}

std::shared_ptr<platform::ui::ViewController> CreatorView::topViewController() const {
  const std::shared_ptr<platform::ui::Window> window = platform::ui::Application::shared().keyWindow();
  if (!window) return nullptr;
  std::shared_ptr<platform::ui::ViewController> top = window->rootViewController();
  while (top) {
    std::shared_ptr<platform::ui::ViewController> presented = top->presentedViewController();
    if (!presented) break;
    if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(presented)) {
      const auto& controllers = navigation->viewControllers();
      top = controllers.empty() ? presented : controllers.back();
    } else {
      top = std::move(presented);
    }
  }
  return top;
}

}  // namespace vantile
