// The jump-to picker over every element, and the scroll of a panel to a named row.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/elementlist/RowScrolling.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

constexpr double kPickerHeightMargin = 100;
constexpr double kScrollDuration = 0.6;
constexpr double kScrollDamping = 0.8;
constexpr double kScrollVelocity = 0.3;

}  // namespace

void CreatorView::showElementStyles() {
  if (!mainView) {
    platform::foundation::systemLog("No editor view to show the element picker in.");
    return;
  }
  std::vector<std::string> names;
  for (const auto& entry : CreatorDictHelpers::elementObject(creatorPreset)) names.push_back(entry.first);
  std::sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  const double height = platform::ui::Screen::mainScreen().bounds().size.height - kPickerHeightMargin;
  platform::Value options{{"0", names}, {"customHeight", platform::foundation::formatFixed(height)}};

  if (jumpToPicker) jumpToPicker->removeFromSuperview();
  jumpToPicker = CreatorVerticalMenu::initWithMenuName(
      "Jump to element styles", std::move(options), mainView->bounds(),
      [canvas = weakCanvas()](const std::string& name) {
        const auto strong = canvas.lock();
        if (!strong) return;
        strong->setSelectedElement(name);
        strong->loadElementOptions(name);
        // The picker stays held until the next one: it is still running this block.
        if (strong->jumpToPicker) strong->jumpToPicker->removeFromSuperview();
      },
      {});
  mainView->addSubview(jumpToPicker);
}

void CreatorView::scrollToElementWithName(const std::string& name, platform::ui::ScrollView& scrollView) {
  if (name.empty()) return;
  std::optional<double> targetY;
  double targetHeight = 0;
  for (const auto& child : scrollView.subviews()) {
    if (doesViewName(child->layer()->name(), name)) {
      targetY = child->frame().y();
      targetHeight = child->frame().size.height;
      break;
    }
    const auto& inner = child->subviews();
    const auto match = std::find_if(inner.begin(), inner.end(),
                                    [&](const auto& view) { return doesViewName(view->layer()->name(), name); });
    if (match != inner.end()) {
      targetY = (*match)->frame().y() + child->frame().y();
      targetHeight = (*match)->frame().size.height;
      break;
    }
  }
  if (!targetY) return;
  animateScrollToPosition(RowScrolling::centredRowOffset(*targetY, targetHeight, scrollView.bounds().size.height,
                                                         scrollView.contentSize().height),
                          scrollView);
}

bool CreatorView::doesViewName(const std::optional<std::string>& viewName, std::string_view searchName) {
  return viewName && !searchName.empty() && RowScrolling::rowNameMatches(*viewName, searchName);
}

void CreatorView::animateScrollToPosition(double y, platform::ui::ScrollView& scrollView) {
  platform::ui::ViewAnimationOptions options;
  options.curve = platform::ui::ViewAnimationOptions::Curve::easeOut;
  platform::ui::View::animateWithSpring(kScrollDuration, 0, kScrollDamping, kScrollVelocity, options,
                                        [&scrollView, y] { scrollView.setContentOffset({0, y}, false); });
}

}  // namespace vantile
