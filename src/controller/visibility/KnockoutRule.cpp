// Elements cut out by a label's text: the glyphs show as holes.
#include "controller/VantileController.h"
#include "controller/visibility/ContainerRules.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/ui/layers/Layer.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::Color;
using platform::graphics::Rect;
namespace ui = platform::ui;

// Reaches past any view the mask is applied to, so only the glyphs cut.
constexpr double kMaskReach = 10'000'000;

}  // namespace

void containerrules::applyKnockout(const Value& element, ui::View& container, const ViewLookup& viewNamed) {
  const std::optional<std::string> name = conventions::stringFor(element, "cutWithView");
  if (!name || *name == "none" || name->empty()) return;
  const auto label = std::dynamic_pointer_cast<ui::Label>(viewNamed(*name));
  if (!label) return;

  // The glyphs are drawn from the view's top-left corner in a box of the label's size. The
  // picture is taken at that size too: taken at the view's size and stretched into the box,
  // it would squeeze the glyphs whenever the two sizes differ.
  const Rect glyphBox{0, 0, label->frame().width(), label->frame().height()};
  auto glyphs = ui::Label::make(glyphBox);
  glyphs->setTextAlignment(label->textAlignment());
  glyphs->setText(label->text());
  glyphs->setFont(label->font());
  auto cut = ui::Layer::make();
  // An empty label has no glyphs to cut (and no picture to take).
  if (glyphBox.width() >= 1 && glyphBox.height() >= 1) {
    auto white = ui::View::make(glyphBox);
    white->setBackgroundColor(Color{1, 1, 1, 1});
    white->setMaskView(glyphs);
    cut->setContents(ui::renderLayerTree(*white->layer(), glyphBox.size, ui::Screen::mainScreen().scale()));
  }
  cut->setFrame(glyphBox);
  auto mask = ui::Layer::make();
  mask->setBounds({-kMaskReach, -kMaskReach, 2 * kMaskReach, 2 * kMaskReach});
  mask->setBackgroundColor(Color{0, 0, 0, 1});
  mask->addSublayer(cut);
  cut->setCompositingFilter("xor");
  container.layer()->setMask(mask);
}

void VantileController::checkIfHasKnockout(const Value& element, const std::shared_ptr<ui::View>& view) {
  if (!view) return;
  const std::string location = locationOfView(*view);
  containerrules::applyKnockout(element, *view, [&](const std::string& name) { return getElDict(name, location).view; });
}

}  // namespace vantile
