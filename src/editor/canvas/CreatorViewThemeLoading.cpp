// The editor's screen and its theme: building the main view, loading and redrawing themes.
#include <map>

#include "editor/CreatorView.h"
#include "editor/canvas/EditorThemeFiles.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

using platform::Value;
using platform::graphics::Color;
using platform::ui::View;

namespace {

constexpr const char* kCreator = "creator";
constexpr const char* kStartingTheme = "time.json";

const Value& rootOf(const Value& theme) {
  static const Value noRoot = Value::object();
  const auto root = theme.is_object() ? theme.find("PresetView") : theme.end();
  return theme.is_object() && root != theme.end() && root->is_object() ? *root : noRoot;
}

const Value& childrenOf(const Value& root) {
  static const Value none = Value::object();
  const auto children = root.find("children");
  return children != root.end() ? *children : none;
}

// A non-zero "x" or "y" of an element's "initialOffset": it scrolls to that offset by itself.
bool hasInitialOffset(const std::optional<Value>& element) {
  if (!element || !element->is_object()) return false;
  const auto offset = element->find("initialOffset");
  if (offset == element->end() || !offset->is_object()) return false;
  for (const char* axis : {"x", "y"}) {
    const auto value = offset->find(axis);
    if (value != offset->end() && platform::foundation::doubleValue(platform::foundation::description(*value)) != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::shared_ptr<View> CreatorView::setupMainView(const std::shared_ptr<View>& hostView) {
  const auto screen = platform::ui::Screen::mainScreen().bounds();
  mainView = View::make({0, 0, screen.size.width, screen.size.height});
  mainView->setBackgroundColor(Color{0, 0, 0, 1});
  view = hostView;
  display = setupDisplay();
  mainView->addSubview(display);
  loadTheme();
  mainView->addSubview(setupMenu());
  incrementerAdditionValue = 1;
  textAlginmentSelectorValue = 1;
  infiniteScrollSelectorValue = 0;
  selectedSegmentIndex = 0;
  doneIncrementing = true;
  return mainView;
}

void CreatorView::loadTheme() {
  // The starting theme is drawn as it stands, without completion.
  creatorPreset = readEditorTheme(kStartingTheme).value_or(Value::object());
  if (display) {
    auto tap = platform::ui::TapGestureRecognizer::make(
        [canvas = std::weak_ptr<CreatorView>(sharedCanvas())](platform::ui::GestureRecognizer& recognizer) {
          if (const auto strong = canvas.lock()) strong->selectView(recognizer);
        });
    tap->setNumberOfTapsRequired(1);
    tap->setNumberOfTouchesRequired(1);
    display->addGestureRecognizer(std::move(tap));
  }
  if (mainView) mainView->setBackgroundColor(editor_palette::kPanel);
  drawRoot(rootOf(creatorPreset));
}

void CreatorView::loadThemeFile(const std::string& fileName) {
  removeDrawnTheme();
  selectedTheme = fileName;
  Value theme = readEditorTheme(fileName).value_or(Value::object());
  theme["PresetView"] = completedRoot(rootOf(theme));
  creatorPreset = std::move(theme);
  drawRoot(rootOf(creatorPreset));
  setupScrollview();
}

void CreatorView::reloadTheme() {
  if (isResizingWidth || isResizingHeight) return;
  std::map<std::string, platform::graphics::Point, std::less<>> offsets;
  if (creatorView) {
    for (const auto& [name, tag] : creatorTags) {
      if (const auto scrollView = std::dynamic_pointer_cast<platform::ui::ScrollView>(getElementView(name))) {
        offsets.emplace(name, scrollView->contentOffset());
      }
    }
  }
  removeDrawnTheme();
  Value theme = creatorPreset.is_object() ? creatorPreset : Value::object();
  theme["PresetView"] = completedRoot(rootOf(theme));
  creatorPreset = std::move(theme);
  drawRoot(rootOf(creatorPreset));
  if (offsets.empty()) return;

  // The style pass sets each scroll view's own starting offset first.
  platform::foundation::MainQueue::shared().post(
      [canvas = std::weak_ptr<CreatorView>(sharedCanvas()), offsets = std::move(offsets)] {
        const auto strong = canvas.lock();
        if (!strong) return;
        for (const auto& [name, offset] : offsets) {
          if (hasInitialOffset(strong->dictHelpers.findElementInDictionary(name))) continue;
          if (const auto scrollView = std::dynamic_pointer_cast<platform::ui::ScrollView>(strong->getElementView(name))) {
            scrollView->setContentOffset(offset, false);
          }
        }
      });
}

void CreatorView::drawRoot(const Value& root) {
  creatorTags.clear();
  creatorView = createViewFromDictionary(root, kCreator);
  updateChildren(childrenOf(root), kCreator);
  if (display) display->addSubview(creatorView);
}

void CreatorView::removeDrawnTheme() {
  if (creatorView) creatorView->removeFromSuperview();
  if (backgroundView) backgroundView->removeFromSuperview();
}

}  // namespace vantile
