#include <algorithm>
#include <array>

#include "controller/VantileController.h"
#include "controller/styling/LabelAttributedText.h"
#include "engine/InnerViewTags.h"
#include "engine/builders/ElementFactoryConventions.h"
#include "platform/foundation/values/Strings.h"
#include "platform/ui/layers/ShapeLayer.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/View.h"

namespace vantile {

using platform::Value;
using platform::ui::View;

namespace {

constexpr double kTickInterval = 1.0;

std::optional<std::string_view> stringAt(const Value& element, const char* key) {
  auto found = element.is_object() ? element.find(key) : element.end();
  if (!element.is_object() || found == element.end() || !found->is_string()) return std::nullopt;
  return found->get_ref<const std::string&>();
}

}  // namespace

void VantileController::updateEverySecondEntries() {
  const OnePassTokenValues tokenValues(*this);
  // No step of a pass changes the list, so its entries are read in place.
  for (const EverySecondEntry& entry : updateEverySecondArray) {
    const auto type = stringAt(entry.elementDict, "type");
    const auto data = stringAt(entry.elementDict, "data");
    if (type == "UILabel") {
      if (entry.isDataAttr) {
        updateDataAttrEverySecond(entry.itemView, entry.elementDict);
      } else {
        updateUILabelEverySecond(entry.itemView, entry.elementDict);
      }
    }
    if ((data && platform::foundation::contains(*data, "Elapsed")) || type == "ElapsedBar" ||
        type == "CircleProgress") {
      updateMediaProgressEverySecond(entry.itemView, entry.elementDict);
    }
  }
}

void VantileController::updateEverySecond() {
  updateEverySecondEntries();
  if (tickScheduled_) return;
  tickScheduled_ = true;
  platform::foundation::MainQueue::shared().postAfter(kTickInterval, [weak = weak_from_this()] {
    if (auto self = weak.lock()) {
      self->tickScheduled_ = false;
      self->updateEverySecond();
    }
  });
}

void VantileController::updateUILabelEverySecond(const std::shared_ptr<View>& view, const Value& elementDict) {
  auto* label = dynamic_cast<platform::ui::Label*>(view.get());
  if (label == nullptr) return;
  const auto text = handleData(stringAt(elementDict, "data"));
  label->setText(setTextStyle(stringAt(elementDict, "textStyle").value_or(""), text.value_or("")));
}

void VantileController::updateDataAttrEverySecond(const std::shared_ptr<View>& view, const Value& elementDict) {
  auto* label = dynamic_cast<platform::ui::Label*>(view.get());
  if (label == nullptr) return;
  const std::string_view style = stringAt(elementDict, "textStyle").value_or("");
  const std::string main = setTextStyle(style, handleData(stringAt(elementDict, "data")).value_or(""));
  const std::string second = setTextStyle(style, handleData(stringAt(elementDict, "dataAttr")).value_or(""));
  const auto mainFont = getFontFromStyles(elementDict, label, conventions::stringFor(elementDict, "fontName"),
                                          conventions::stringFor(elementDict, "fontSize"));
  const auto secondFont = getFontFromStyles(elementDict, label, conventions::stringFor(elementDict, "fontNameAttr"),
                                            conventions::stringFor(elementDict, "fontSizeAttr"));
  // White unless "textColor" says otherwise, and "fontColorAttr" over both; an unreadable colour
  // still replaces the one before it and leaves the label's own colour.
  std::optional<platform::graphics::Color> secondColor = platform::graphics::Color{1, 1, 1, 1};
  if (conventions::hasKey(elementDict, "textColor")) secondColor = conventions::colorFor(elementDict, "textColor");
  if (const auto attrColor = conventions::stringFor(elementDict, "fontColorAttr"); attrColor && *attrColor != "none") {
    secondColor = conventions::colorFor(elementDict, "fontColorAttr");
  }
  label->setAttributedText(
      labeltext::joinedWithSecondText(main, mainFont, second, secondFont, secondColor.value_or(label->textColor())));
}

void VantileController::updateMediaProgressEverySecond(const std::shared_ptr<View>& view, const Value& elementDict) {
  if (!view || !providers.isMusicPlaying || !providers.isMusicPlaying()) return;
  const float elapsed = providers.internalElapsed ? providers.internalElapsed() : 0.0F;
  const float duration = providers.internalDuration ? providers.internalDuration() : 0.0F;
  const bool hasDuration = static_cast<std::int64_t>(duration) >= 1;
  const double percent = hasDuration ? static_cast<double>(elapsed) / duration * 100 : 0;
  const auto type = stringAt(elementDict, "type");

  if (type == "UILabel") {
    if (auto* label = dynamic_cast<platform::ui::Label*>(view.get())) {
      label->setText(handleData(stringAt(elementDict, "data")).value_or(""));
    }
  } else if (type == "ElapsedBar") {
    const double width = percent / 100 * view->frame().width();
    if (auto fill = view->viewWithTag(innerViewTags::levelBarFill); fill && hasDuration && width > 0) {
      auto frame = fill->frame();
      fill->setFrame({frame.x(), frame.y(), width, frame.height()});
    }
    updateElapsedFollow();
  } else if (type == "CircleProgress" && hasDuration && percent > 0) {
    for (const auto& layer : view->layer()->sublayers()) {
      for (const auto& sublayer : layer->sublayers()) {
        auto* ring = dynamic_cast<platform::ui::ShapeLayer*>(sublayer.get());
        if (ring != nullptr && sublayer->name() == "progressLayer") ring->setStrokeEnd(percent / 100);
      }
    }
  }
}

void VantileController::pruneEverySecondArray() {
  const std::array roots = {vantileView, vantileViewSB, vantileViewCreator};
  std::erase_if(updateEverySecondArray, [&roots](const EverySecondEntry& entry) {
    return !entry.itemView || std::ranges::none_of(roots, [&entry](const std::shared_ptr<View>& root) {
      return root && entry.itemView->isDescendantOfView(*root);
    });
  });
}

}  // namespace vantile
