// The canvas's style pass over one level of the edited tree: order, hidden elements, nested
// frames, scroll views, the dispatch to the data-element previews, text, gradients and
// containers, then the level's automatic layout.
#include <algorithm>

#include "controller/VantileController.h"
#include "controller/styling/ContainerAutoLayout.h"
#include "controller/styling/LabelTextSteps.h"
#include "controller/styling/ScrollViewStyling.h"
#include "controller/visibility/ContainerRules.h"
#include "editor/CreatorView.h"
#include "editor/data/CreatorData.h"
#include "editor/styling/PreviewBars.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

using platform::Value;
using namespace conventions;
namespace ui = platform::ui;

bool isContainer(std::string_view type) { return type == "UIView" || type == "ScrollView" || type == "GlassView"; }

std::optional<std::string> previewData(std::string_view text) { return handleData(text); }

// "gradientImage" as a pattern: a label's text colour, any other view's background. An
// unreadable image leaves the colour as it was.
void applyGradient(ui::View& view, const Value& element) {
  const std::optional<std::string> name = stringFor(element, "gradientImage");
  if (!name || *name == "none") return;
  std::optional<platform::graphics::Image> image = assetImage(*name);
  if (!image) return;
  if (auto* label = dynamic_cast<ui::Label*>(&view)) {
    label->setTextPattern(std::move(image));
  } else {
    view.setBackgroundPattern(std::move(image));
  }
}

}  // namespace

bool CreatorView::elementHasOverride(const Value& element) {
  if (stringFor(element, "type") != "AppIcon") return false;
  const std::optional<std::string> target = stringFor(element, "styleOverride");
  return target && *target != "none";
}

std::vector<std::string> CreatorView::sortKeysByOverridePriority(const Value& children) const {
  std::vector<std::string> names;
  if (!children.is_object()) return names;
  for (const auto& [name, element] : children.items()) names.push_back(name);
  // Icons that borrow another element's look come after everything they may borrow from.
  std::stable_partition(names.begin(), names.end(),
                        [&](const std::string& name) { return !elementHasOverride(children.at(name)); });
  return names;
}

std::shared_ptr<ui::View> CreatorView::styledView(const std::string& name) const {
  const auto tag = creatorTags.find(name);
  if (tag == creatorTags.end() || !creatorView) return nullptr;
  return creatorView->viewWithTag(tag->second);
}

void CreatorView::updateChildren(const Value& children, const std::string& location) {
  if (!children.is_object()) return;
  for (const std::string& name : sortKeysByOverridePriority(children)) {
    const Value& element = children.at(name);
    const std::string type = stringFor(element, "type").value_or("");
    const std::shared_ptr<ui::View> view = styledView(name);

    if (view) {
      if (std::ranges::find(hiddenElements, name) != hiddenElements.end()) view->setHidden(true);
      // Top-level views keep the frame and transform of the build.
      if (const auto superview = view->superview(); superview && superview != creatorView) {
        VantileController::resetViewFrameIfNeeded(*view, element);
      }
      if (const auto scrollView = std::dynamic_pointer_cast<ui::ScrollView>(view); scrollView && type == "ScrollView") {
        if (!endlessScrollDelegate_) endlessScrollDelegate_ = scrollstyling::makeEndlessScrollDelegate();
        scrollstyling::styleScrollView(*scrollView, element, ui::Screen::mainScreen().bounds().size,
                                       endlessScrollDelegate_);
      }
    }

    if (previewbars::barPreviewFor(type)) {
      if (view) updateBarPreview(element, *view, type);
    } else if (type == "WeatherIcon") {
      if (view) updateWeatherIconPreview(element, *view);
    } else if (type == "AppIcon") {
      if (view) updateAppIconPreview(element, *view);
    } else if (type != "UITextView") {
      // The engine builds no text views, so a "UITextView" element has nothing to style.
      updateTextAndContainer(type, element, view, location);
    }
  }
  applyAutoLayoutToUIViews(children);
}

void CreatorView::updateTextAndContainer(const std::string& type, const Value& element,
                                         const std::shared_ptr<ui::View>& view, const std::string& location) {
  labeltext::applyTextSteps(view.get(), element, previewData);
  if (view) applyGradient(*view, element);
  if (!isContainer(type)) return;
  if (view) {
    // After the whole pass, so both steps see the final frames.
    platform::foundation::MainQueue::shared().post(
        [weakCanvas = weak_from_this(), weakView = std::weak_ptr<ui::View>(view), element] {
          const auto canvas = std::static_pointer_cast<CreatorView>(weakCanvas.lock());
          const auto container = weakView.lock();
          if (!canvas || !container) return;
          canvas->checkIfHasKnockout(element, container);
          canvas->checkIfViewFollows(element, container);
        });
  }
  if (hasKey(element, "children")) updateChildren(valueFor(element, "children"), location);
}

void CreatorView::checkIfHasKnockout(const Value& element, const std::shared_ptr<ui::View>& view) {
  if (!view) return;
  containerrules::applyKnockout(element, *view, [this](const std::string& name) { return styledView(name); });
}

void CreatorView::checkIfViewFollows(const Value& element, const std::shared_ptr<ui::View>& view) {
  if (!view) return;
  if (containerrules::applyFollow(element, *view, [this](const std::string& name) { return styledView(name); })) {
    showHighlightViewWithName(selectedElement);
  }
}

void CreatorView::applyAutoLayoutToUIViews(const Value& children) {
  layout::applyAutoLayoutToUIViews(children, [this](const std::string& name) { return styledView(name); });
}

}  // namespace vantile
