#include "controller/animation/AnimationTargets.h"

#include "controller/VantileController.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
using platform::ui::View;

namespace {

std::string parentIn(const std::optional<KeyPath>& path) {
  if (!path || path->size() < 3) return "PresetView";
  return (*path)[path->size() - 3];
}

}  // namespace

std::shared_ptr<View> AnimationTargets::getAnimatingElementView(std::string_view name) const {
  const auto& preset = controller_.vantileAnimatingPreset;
  const auto& root = controller_.vantileAnimatingView;
  if (!preset || !root) return nullptr;
  const auto path = controller_.getAnimatingElementHierarchy(name);
  if (!path || path->empty()) return nullptr;
  // Searching for tag 0 would find some element's inner view.
  const auto tag = preset->nameIndex.tagForName(path->back());
  if (!tag) return nullptr;
  std::vector<std::shared_ptr<View>> found;
  loopViews(*tag, found, *root);
  return found.empty() ? nullptr : found.front();
}

void AnimationTargets::loopViews(std::int64_t tag, std::vector<std::shared_ptr<View>>& found, const View& view) {
  for (const auto& subview : view.subviews()) {
    if (subview->tag() == tag) {
      found.push_back(subview);
      return;
    }
    loopViews(tag, found, *subview);
  }
}

std::string AnimationTargets::getAnimatingParentName(std::string_view name) const {
  return parentIn(controller_.getAnimatingElementHierarchy(name));
}

std::string AnimationTargets::getParentName(std::string_view name) const {
  return parentIn(controller_.getElementHierarchy(name));
}

std::optional<Value> AnimationTargets::getElementObjectFromString(std::string_view name, std::string_view key,
                                                                  const Value* children) {
  if (children == nullptr) return std::nullopt;
  const auto element = VantileController::getElementDictionaryFromString(name, *children);
  if (!element || !element->is_object()) return std::nullopt;
  const auto found = element->find(std::string(key));
  if (found == element->end()) return std::nullopt;
  return *found;
}

std::string AnimationTargets::getViewTag(const platform::ui::GestureRecognizer& recognizer) {
  const auto view = recognizer.view();
  if (!view) return "0";
  const auto location = recognizer.locationInView(view.get());
  return getViewTag(location ? view->hitTest(*location).get() : nullptr);
}

std::string AnimationTargets::getViewTag(const View* view) { return std::to_string(view ? view->tag() : 0); }

}  // namespace vantile
