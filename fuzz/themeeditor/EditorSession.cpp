#include "themeeditor/EditorSession.h"

#include <memory>
#include <string>
#include <vector>

#include "editor/CreatorView.h"
#include "editor/elementlist/CanvasOptionsDelegate.h"
#include "inspector/actions/ElementOptionActionHandler.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/View.h"

namespace fuzzing {

namespace {

// Each edit rebuilds the canvas, so a few names keep the run quick.
constexpr std::size_t kThemeNames = 3;

std::vector<std::string> namesToEdit(const vantile::ElementOptionsBuilderDelegate& delegate) {
  std::vector<std::string> names = delegate.elementNames();
  if (names.size() > kThemeNames) names.resize(kThemeNames);
  for (const char* odd : {"", "PresetView", "a~b", "none"}) names.emplace_back(odd);
  return names;
}

void selectWithInspector(vantile::CreatorView& canvas, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    canvas.setSelectedElement(name);
    canvas.loadElementOptions(name);
  }
}

void editTree(vantile::CreatorView& canvas, vantile::ElementOptionActionHandler& handler,
              const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    for (const std::string& target : names) {
      canvas.setSelectedElement(name);
      handler.addElementToUIView(target);
      canvas.setSelectedElement(target);
      handler.addItemToScrollView(name);
      handler.removeItemFromScrollView(name, target);
      handler.addItemToUIViewOrderWithName(name, target);
    }
    canvas.setSelectedElement(name);
    handler.removeFromCurrentUIView();
    handler.fixChildOrderForElementName(name);
    handler.addDuplicatedItemWithName(name + "_copy", name);
  }
}

}  // namespace

void editInCanvas(platform::foundation::MainQueue& queue) {
  const auto canvas = vantile::CreatorView::make();
  const auto mainView = canvas->setupMainView(platform::ui::View::make({0, 0, 375, 812}));
  canvas->loadThemeFile("fuzzed.json");
  canvas->refreshScrollview();
  queue.advance(1);
  canvas->reloadTheme();
  queue.advance(1);
  if (mainView) platform::ui::renderLayerTree(*mainView->layer(), {94, 203}, 1);

  const auto delegate = std::make_shared<vantile::CanvasOptionsDelegate>(*canvas);
  const auto handler = std::make_shared<vantile::ElementOptionActionHandler>(delegate);
  const std::vector<std::string> names = namesToEdit(*delegate);
  selectWithInspector(*canvas, names);
  editTree(*canvas, *handler, names);
  selectWithInspector(*canvas, namesToEdit(*delegate));
  queue.advance(1);
  queue.clear();
}

}  // namespace fuzzing
