#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "engine/helpers/VantileHelpers.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Strings.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace foundation = platform::foundation;
using platform::Value;
using platform::graphics::Rect;
using platform::ui::View;

namespace {

bool fileExistsAt(std::string_view systemPath) { return foundation::fileExists(foundation::devicePath(systemPath)); }

// A parsed file becomes a preset only when its top level is a dictionary.
std::optional<ThemePreset> presetFromFile(std::string_view systemPath) {
  auto document = VantileHelpers::JSONFromFile(systemPath);
  if (!document || !document->is_object()) return std::nullopt;
  ThemePreset preset;
  preset.document = std::move(*document);
  return preset;
}

std::optional<std::vector<std::string>> orderOf(const Value& root) {
  const Value& order = conventions::valueFor(root, "order");
  if (!order.is_array()) return std::nullopt;
  std::vector<std::string> names;
  for (const Value& name : order) {
    if (name.is_string()) names.push_back(name.get<std::string>());
  }
  return names;
}

}  // namespace

std::shared_ptr<View> VantileController::placeholderView(const std::string& path) const {
  const Rect screen = platform::ui::Screen::mainScreen().bounds();
  auto view = View::make({screen.width() * 0.5 - 150, screen.height() * 0.5 - 50, 300, 100});
  auto label = platform::ui::Label::make({0, 0, 300, 20});
  label->setText("No Theme " + path);
  label->setFont(platform::graphics::systemFont(8));
  label->setTextAlignment(platform::ui::TextAlignment::center);
  auto& layer = *label->layer();
  layer.setShadowColor(platform::graphics::Color{0, 0, 0, 1});
  layer.setShadowRadius(3);
  layer.setShadowOpacity(1);
  layer.setShadowOffset({4, 4});
  view->addSubview(std::move(label));
  return view;
}

std::shared_ptr<View> VantileController::createViewFromTheme(std::string path, const std::string& type) {
  if (!setupNotifications) {
    registerDarwinObservers();
    setupNotifications = true;
  }
  animationDict = Value::object();
  const Rect screen = platform::ui::Screen::mainScreen().bounds();
  screenRect = {0, 0, screen.width(), screen.height()};

  path = foundation::replacingOccurrences(path, ".json.json", ".json");
  if (!fileExistsAt(path)) {
    path = "file://" + path;
    if (!fileExistsAt(path)) {
      VantileHelpers::writeToLog("No theme file at " + path);
      return placeholderView(path);
    }
  }

  auto* preset = presetFor(type);
  auto* rootView = rootViewFor(type);
  if (preset == nullptr || rootView == nullptr) return nullptr;

  *preset = presetFromFile(path);
  if (!*preset || (*preset)->presetView() == nullptr) {
    // An unreadable theme shows what is wrong rather than an empty screen.
    VantileHelpers::writeToLog("The theme file " + path + " is not a theme with a \"PresetView\"");
    preset->reset();
    rootView->reset();
    pruneEverySecondArray();
    return placeholderView(path);
  }
  if (type == "homescreen") currentSBTheme = path;
  if (type == "lockscreen") currentLSTheme = path;
  *rootView = createViewFromDictionary((*preset)->presetView(), type);
  firstLoadForLocation(type);
  if (type == "homescreen") {
    vantileViewSB->setUserInteractionEnabled(true);
    if (hooks.addGestures) hooks.addGestures();
  }
  return *rootView;
}

std::shared_ptr<View> VantileController::createViewFromDictionary(const Value* root, const std::string& type) {
  static const Value kNothing;
  const Value& element = root != nullptr ? *root : kNothing;
  auto view = View::make(VantileHelpers::getRect(conventions::valueFor(element, "frame"), screenRect));
  if (conventions::hasKey(element, "children")) {
    createChildren(conventions::valueFor(element, "children"), view, type, orderOf(element));
  }
  return view;
}

void VantileController::firstLoadForLocation(const std::string& location) {
  const auto* preset = presetFor(location);
  if (preset == nullptr) return;
  // Entries of the views this load or rebuild replaced would otherwise tick forever.
  pruneEverySecondArray();
  static const Value kNoChildren = Value::object();
  const Value* children = *preset ? (*preset)->children() : nullptr;
  updateChildren(children != nullptr ? *children : kNoChildren, location);
  lastTimeUpdate = foundation::MainQueue::shared().now();
  updateEverySecond();
}

void VantileController::reloadThemes() {
  for (const std::string location : {"lockscreen", "homescreen"}) {
    auto& preset = *presetFor(location);
    auto& rootView = *rootViewFor(location);
    if (!preset || !rootView) continue;

    std::optional<Value> root;
    if (preset->presetView() != nullptr) root = std::move(preset->document["PresetView"]);
    for (const auto& subview : std::vector(rootView->subviews())) subview->removeFromSuperview();
    // Only the tree survives: the name index is filled again by the build.
    preset = ThemePreset{};
    if (root) preset->document["PresetView"] = std::move(*root);

    if (const Value* presetView = preset->presetView();
        presetView != nullptr && conventions::hasKey(*presetView, "children")) {
      createChildren(conventions::valueFor(*presetView, "children"), rootView, location, orderOf(*presetView));
    }
    firstLoadForLocation(location);
    fastUpdate(location);
  }
}

}  // namespace vantile
