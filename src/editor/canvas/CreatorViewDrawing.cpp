// Drawing the edited theme: the root view with its backdrop, the child loop and the tag records.
#include <unordered_map>
#include <utility>

#include "controller/animation/AnimationTargets.h"
#include "editor/CreatorView.h"
#include "editor/canvas/CanvasGrid.h"
#include "editor/canvas/CanvasOrder.h"
#include "editor/canvas/CanvasTags.h"
#include "engine/ElementOrchestrator.h"
#include "engine/ElementRegistry.h"
#include "engine/helpers/VantileHelpers.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
using platform::ui::View;

namespace {

constexpr Color kClear{0, 0, 0, 0};
constexpr Color kGridLine{1, 1, 1, 0.1};
constexpr Color kGridCentreLine{1, 1, 1, 0.3};

void addLine(View& grid, const Rect& frame, const Color& color) {
  auto line = View::make(frame);
  line->setBackgroundColor(color);
  grid.addSubview(std::move(line));
}

}  // namespace

std::shared_ptr<View> CreatorView::createViewFromDictionary(const Value& root, const std::string& type) {
  const Rect reference = display ? display->bounds() : platform::ui::Screen::mainScreen().bounds();
  static const Value noFrame = Value::object();
  const Value& frameValue = root.is_object() && root.contains("frame") ? root["frame"] : noFrame;
  const Rect frame = VantileHelpers::getRect(frameValue, reference);
  auto rootView = View::make(frame);

  rootView->addSubview(createBackgroundView(frame));
  rootView->addSubview(createGridView(frame));
  highlightView = View::make();
  highlightView->setUserInteractionEnabled(false);
  rootView->addSubview(highlightView);

  if (root.is_object()) {
    if (const auto children = root.find("children"); children != root.end()) {
      createChildren(*children, rootView, type, rootChildOrder(root));
    }
  }
  return rootView;
}

std::shared_ptr<platform::ui::ImageView> CreatorView::createBackgroundView(const Rect& frame) {
  auto background = platform::ui::ImageView::make(frame);
  background->setBackgroundColor(editor_palette::kRaised);
  background->setUserInteractionEnabled(false);
  background->setContentMode(platform::ui::ContentMode::scaleAspectFill);
  background->setImage(backgroundImage);
  backgroundView = background;
  return background;
}

std::shared_ptr<View> CreatorView::createGridView(const Rect& frame) {
  auto grid = View::make(frame);
  grid->setBackgroundColor(kClear);
  grid->setUserInteractionEnabled(false);
  grid->setClipsToBounds(true);
  grid->setHidden(disableGrid);

  const CanvasGridLines lines = canvasGridLines(frame.size.width, frame.size.height);
  for (const int x : lines.verticalX) addLine(*grid, {double(x), 0, 1, double(lines.height)}, kGridLine);
  for (const int y : lines.horizontalY) addLine(*grid, {0, double(y), double(lines.width), 1}, kGridLine);
  addLine(*grid, {double(lines.centreX), 0, 1, double(lines.height)}, kGridCentreLine);
  addLine(*grid, {0, double(lines.centreY), double(lines.width), 1}, kGridCentreLine);
  gridView = grid;
  return grid;
}

void CreatorView::createChildren(const Value& children, const std::shared_ptr<View>& view, const std::string& location,
                                 const std::optional<std::vector<std::string>>& order) {
  if (!children.is_object() || !view) return;
  // The dictionary finds a name by a walk through its keys: one table keeps an ordered build linear.
  std::vector<std::pair<std::string, const Value*>> elements;
  if (order) {
    std::unordered_map<std::string_view, const Value*> byName;
    for (const auto& [name, element] : children.items()) byName.emplace(name, &element);
    for (const std::string& name : *order) {
      const auto found = byName.find(name);
      elements.emplace_back(name, found == byName.end() ? nullptr : found->second);
    }
  } else {
    for (const auto& [name, element] : children.items()) elements.emplace_back(name, &element);
  }

  const std::shared_ptr<CreatorView> self = sharedCanvas();
  for (const auto& [name, element] : elements) {
    // Every name takes a tag, whether or not a view comes of it.
    globalCounter = nextCanvasTag(globalCounter, glassViewTags_);
    const std::int32_t tag = globalCounter;
    if (element == nullptr || !element->is_object()) continue;
    const auto type = element->find("type");
    if (type == element->end() || !type->is_string()) continue;
    const std::string& typeName = type->get_ref<const std::string&>();
    if (typeName == "GlassView") glassViewTags_.insert(tag);

    auto elementView = ElementRegistry::createElement(typeName, *element, tag, view->bounds());
    if (!elementView) continue;
    auto& orchestrator = ElementOrchestrator::sharedInstance();
    orchestrator.setDelegate(self);
    orchestrator.orchestrateElement(elementView, typeName, view, name, *element, tag, location, "creator");
  }
}

bool CreatorView::implements(Operation operation) const {
  switch (operation) {
    case Operation::updateReferenceToView:
    case Operation::createChildren:
    case Operation::handleTapped:
    case Operation::handleAnimation:
      return true;
    case Operation::launchApp:
    case Operation::changeApp:
    case Operation::enableActionsForView:
      return false;
  }
  return false;
}

void CreatorView::updateReferenceToView(const std::string& name, std::int32_t count, const std::string&) {
  creatorTags[name] = count;
}

std::int32_t CreatorView::getViewTag(platform::ui::GestureRecognizer& recognizer) const {
  const auto view = recognizer.view();
  if (!view) return 0;
  const auto location = recognizer.locationInView(view.get());
  const auto hit = location ? view->hitTest(*location) : nullptr;
  return hit ? static_cast<std::int32_t>(hit->tag()) : 0;
}

std::optional<std::string> CreatorView::getElementNameFromTag(std::int32_t tag) const {
  for (const auto& [name, registered] : creatorTags) {
    if (registered == tag) return name;
  }
  return std::nullopt;
}

std::shared_ptr<View> CreatorView::getElementView(std::string_view name) const {
  const auto tag = creatorTags.find(name);
  if (tag == creatorTags.end() || !creatorView) return nullptr;
  std::vector<std::shared_ptr<View>> found;
  AnimationTargets::loopViews(tag->second, found, *creatorView);
  return found.empty() ? nullptr : found.front();
}

std::shared_ptr<CreatorView> CreatorView::sharedCanvas() {
  return std::static_pointer_cast<CreatorView>(shared_from_this());
}

}  // namespace vantile
