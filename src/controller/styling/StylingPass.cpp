// The styling pass over one level of a theme tree: order, every-second entries, nested frames,
// scroll views and the dispatch of each element type to its update.
#include <algorithm>
#include <numbers>
#include <utility>
#include <vector>

#include "controller/VantileController.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/ScrollView.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using platform::graphics::AffineTransform;
using namespace conventions;
namespace foundation = platform::foundation;

bool hasStyleOverride(const Value& element) {
  const std::optional<std::string> target = stringFor(element, "styleOverride");
  return target && *target != "none";
}

// The level's elements, those without a style override first, each group in the dictionary's
// order. The elements are taken while walking the dictionary, which finds a name only by a walk.
std::vector<std::pair<std::string, const Value*>> byOverridePriority(const Value& children) {
  std::vector<std::pair<std::string, const Value*>> elements;
  if (!children.is_object()) return elements;
  for (const auto& [name, element] : children.items()) elements.emplace_back(name, &element);
  std::stable_partition(elements.begin(), elements.end(),
                        [](const auto& entry) { return !hasStyleOverride(*entry.second); });
  return elements;
}

}  // namespace

std::vector<std::string> VantileController::sortKeysByOverridePriority(const Value& children) {
  std::vector<std::string> names;
  for (auto& [name, element] : byOverridePriority(children)) names.push_back(std::move(name));
  return names;
}

void VantileController::updateChildren(const Value& children, const std::string& location) {
  if (!children.is_object()) return;
  const std::optional<ThemePreset>* preset = presetFor(location);
  const std::shared_ptr<platform::ui::View>* rootSlot = rootViewFor(location);
  const std::shared_ptr<platform::ui::View> root = rootSlot ? *rootSlot : nullptr;
  // The editor's slot records no root, so its top-level views are reset too.
  const std::shared_ptr<platform::ui::View> resetRoot = location == "creator" ? nullptr : root;

  for (const auto& [name, elementPointer] : byOverridePriority(children)) {
    const Value& element = *elementPointer;
    const std::string type = stringFor(element, "type").value_or("");
    std::int32_t tag = 0;
    if (preset && *preset) tag = (*preset)->nameIndex.tagForName(name).value_or(0);
    const std::shared_ptr<platform::ui::View> view = elementView(location, tag);

    if (view) {
      checkIfNeedsUpdatedOften(type, view, element);
      if (const auto superview = view->superview(); superview && superview != resetRoot) {
        resetViewFrameIfNeeded(*view, element);
      }
    }
    if (type == "ScrollView") {
      const auto scrollView = std::dynamic_pointer_cast<platform::ui::ScrollView>(view);
      if (!scrollView) continue;
      styleScrollView(*scrollView, element);
    }

    if (type == "BatteryIcon") {
      if (view) updateBatteryIcon(element, *view);
    } else if (type == "BatteryBar") {
      if (view) updateBatteryBar(element, *view);
    } else if (type == "ElapsedBar") {
      if (view) updateElapsedBar(element, *view);
    } else if (type == "WeekWidget") {
      if (view) updateWeekWidget(element, *view);
    } else if (type == "AppIcon") {
      updateAppIcon(element, tag, location);
    } else if (type == "WeatherIcon") {
      updateWeatherIcon(element, tag, location);
    } else if (type == "CircleProgress" || type == "WKWebView") {
      // Rings are filled by the data binders; web views need nothing.
    } else {
      updateUILabel(element, tag, location);
    }
  }
  applyAutoLayoutToUIViews(children, location);
}

void VantileController::checkIfNeedsUpdatedOften(std::string_view type, const std::shared_ptr<platform::ui::View>& view,
                                                 const Value& element) {
  const std::string data = stringFor(element, "data").value_or("");
  const std::string dataAttr = stringFor(element, "dataAttr").value_or("");

  if (foundation::contains(data, "Elapsed") || foundation::contains(data, "musicDurationLeft")) {
    addItemToUpdateEverySecondArray(createDictionaryForView(view, element));
  }
  if (type == "CircleProgress" && stringFor(element, "ringValue") == "musicElapsedValue") {
    addItemToUpdateEverySecondArray(createDictionaryForView(view, element));
  }
  if (type == "ElapsedBar") addItemToUpdateEverySecondArray(createDictionaryForView(view, element));
  if (foundation::contains(dataAttr, "seconds")) {
    EverySecondEntry entry = createDictionaryForView(view, element);
    entry.isDataAttr = true;
    addItemToUpdateEverySecondArray(std::move(entry));
  }
  if (foundation::contains(data, "seconds")) addItemToUpdateEverySecondArray(createDictionaryForView(view, element));
}

EverySecondEntry VantileController::createDictionaryForView(const std::shared_ptr<platform::ui::View>& view,
                                                            const Value& viewDict) {
  return EverySecondEntry{view, viewDict};
}

void VantileController::addItemToUpdateEverySecondArray(EverySecondEntry entry) {
  if (std::find(updateEverySecondArray.begin(), updateEverySecondArray.end(), entry) != updateEverySecondArray.end()) {
    return;
  }
  updateEverySecondArray.push_back(std::move(entry));
}

void VantileController::resetViewFrameIfNeeded(platform::ui::View& view, const Value& element) {
  const auto superview = view.superview();
  if (!superview) return;
  const platform::graphics::Rect frame = frameFor(element, superview->frame());
  if (view.transform().isIdentity()) {
    view.setFrame(frame);
    return;
  }
  view.setTransform(AffineTransform::identity());
  view.setFrame(frame);
  // Scale before rotation (the builders rotate first; an animated view is rebuilt this way).
  const double scale = numberFor(element, "scale");
  const double rotate = numberFor(element, "rotate");
  AffineTransform transform = AffineTransform::identity();
  if (scale != 0) transform = transform.scaledBy(scale, scale);
  if (rotate != 0) transform = transform.rotatedBy(rotate * std::numbers::pi / 180);
  if ((scale != 0 || rotate != 0) && transform != view.transform()) view.setTransform(transform);
}

void VantileController::updateWeatherIcon(const Value& element, std::int32_t tag, const std::string& location) {
  if (const auto imageView = std::dynamic_pointer_cast<platform::ui::ImageView>(elementView(location, tag))) {
    imageView->setImage(getCorrectWeatherIconImage(element));
  }
}

}  // namespace vantile
